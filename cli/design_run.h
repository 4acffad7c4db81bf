#pragma once
// A design run through the handlers in the order a user takes them: lock,
// design type, calculate, convert, and optionally the matching section.

#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "design/boxes.h"
#include "design/design_state.h"

namespace loopbeam::cli {

struct StepFailure {
    std::string step;  // "lock", "calculate", "metric", "matching-feet", "matching-metric"
    std::string message;
};

// Each step's box texts as the boxes hold them; a step that did not run is empty.
struct DesignRun {
    std::optional<MainTexts> lock;  // Label1, Text10, Text9, then freqtxt from the show-back
    std::optional<MainTexts> feet;
    std::optional<MainTexts> metric;
    std::optional<MatchingTexts> matchingFeet;
    std::optional<MatchingTexts> matchingMetric;
    std::optional<StepFailure> failure;
    std::vector<float> lengthsFeet;  // as stored, in kLengthRows' order, once calculated
};

DesignRun runDesign(const Options& options, DesignState& state);

}  // namespace loopbeam::cli
