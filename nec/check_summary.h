#pragma once
// The figures a builder reads first, drawn from the sweep.

#include <optional>
#include <vector>

#include "nec/check_result.h"
#include "nec/sweep_plan.h"

namespace loopbeam::nec {

CheckSummary summarise(const std::vector<FrequencyPoint>& sweep, const SweepPlan& plan);

// Edges interpolated linearly between sweep points.
std::vector<Span> spansBelow(const std::vector<FrequencyPoint>& sweep, double swrThreshold);
std::optional<double> zeroReactance(const std::vector<FrequencyPoint>& sweep, double nearMHz);

}  // namespace loopbeam::nec
