#include "cli/design_run.h"

#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/matching_section.h"
#include "design/messages.h"
#include "design/metric.h"
#include "design/result_rows.h"

namespace loopbeam::cli {
namespace {

template <class Box>
BoxTexts<Box> asHeld(const BoxTexts<Box>& texts) {
    BoxTexts<Box> held;
    for (const BoxText<Box>& t : texts) held.add(t.box, heldBy(t.box, t.text));
    return held;
}

// Runs one step; on a refusal records it and reports false so the run stops.
template <class Box>
bool step(DesignRun& run, std::optional<BoxTexts<Box>>& slot, const char* name, const Outcome<BoxTexts<Box>>& outcome) {
    if (!outcome) {
        run.failure = StepFailure{name, messages::forCommandLine(outcome.error())};
        return false;
    }
    slot = asHeld(*outcome);
    return true;
}

}  // namespace

DesignRun runDesign(const Options& options, DesignState& state) {
    DesignRun run;
    if (!step(run, run.lock, "lock", lockFrequency(state, options.freq))) return run;
    run.lock->add(MainBox::freqtxt, heldBy(MainBox::freqtxt, showBackFrequency(state)));

    selectDesignType(state, options.type, options.elements);
    if (!step(run, run.feet, "calculate", calculateFeetInches(state, options.awg, options.elements))) return run;
    for (const LengthRow& row : kLengthRows) run.lengthsFeet.push_back(state.*row.length);
    if (!step(run, run.metric, "metric", convertToMetric(state))) return run;
    if (!options.coaxIndex) return run;

    chooseCable(state, *options.coaxIndex);
    if (!step(run, run.matchingFeet, "matching-feet", matchFeetInches(state))) return run;
    step(run, run.matchingMetric, "matching-metric", matchMetric(state));
    return run;
}

}  // namespace loopbeam::cli
