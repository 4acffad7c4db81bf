#include "cli/road.h"

#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/main_boxes.h"
#include "design/metric.h"
#include "matching/matching_section.h"

namespace loopbeam::cli {
namespace {

BoxTexts asHeld(const BoxTexts& texts) {
    BoxTexts held;
    for (const BoxText& t : texts) held.add(t.box, heldBy(t.box, t.text));
    return held;
}

// Runs one step; on a refusal records it and reports false so the road stops.
bool step(RoadResult& road, std::optional<BoxTexts>& slot, const char* name, const Outcome<BoxTexts>& outcome) {
    if (!outcome) {
        road.failure = StepFailure{name, outcome.error().message};
        return false;
    }
    slot = asHeld(*outcome);
    return true;
}

void selectDesignType(DesignState& state, const Options& options) {
    switch (options.type) {
        case DesignType::Standard: selectStandardHighGain(state, options.elements); break;
        case DesignType::Special: selectSpecial4or8(state); break;
        case DesignType::DoubleReflector: selectDoubleReflector(state); break;
    }
}

}  // namespace

RoadResult runRoad(const Options& options, DesignState& state) {
    RoadResult road;
    if (!step(road, road.lock, "lock", lockFrequency(state, options.freq))) return road;
    road.lock->add("freqtxt", heldBy("freqtxt", showBackFrequency(state)));

    selectDesignType(state, options);
    if (!step(road, road.feet, "calculate", calculateFeetInches(state, options.awg, options.elements))) return road;
    if (!step(road, road.metric, "metric", convertToMetric(state))) return road;
    if (!options.coaxIndex) return road;

    chooseCable(state, *options.coaxIndex);
    if (!step(road, road.matchingFeet, "matching-feet", matchFeetInches(state))) return road;
    step(road, road.matchingMetric, "matching-metric", matchMetric(state));
    return road;
}

}  // namespace loopbeam::cli
