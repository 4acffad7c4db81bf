#pragma once
// A typical design replayed through the handlers, in the order a user takes:
// lock, design type, calculate, convert, and optionally the matching section.

#include <optional>
#include <string>

#include "cli/options.h"
#include "common/outcome.h"
#include "design/design_state.h"

namespace loopbeam::cli {

struct StepFailure {
    std::string step;  // "lock", "calculate", "metric", "matching-feet", "matching-metric"
    std::string message;
};

// Each step's box texts as the boxes hold them; a step that did not run is empty.
struct RoadResult {
    std::optional<BoxTexts> lock;  // Label1, Text10, Text9, then freqtxt from the show-back
    std::optional<BoxTexts> feet;
    std::optional<BoxTexts> metric;
    std::optional<BoxTexts> matchingFeet;
    std::optional<BoxTexts> matchingMetric;
    std::optional<StepFailure> failure;
};

RoadResult runRoad(const Options& options, DesignState& state);

}  // namespace loopbeam::cli
