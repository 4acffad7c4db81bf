#pragma once
// The figures a builder reads first, drawn from the sweep.

#include <vector>

#include "nec/check/check_result.h"
#include "nec/model/sweep_plan.h"

namespace loopbeam::nec {

CheckSummary summarise(const std::vector<FrequencyPoint>& sweep, const SweepPlan& plan);

// Edges interpolated linearly between sweep points.
std::vector<Span> spansBelow(const std::vector<FrequencyPoint>& sweep, double swrThreshold);
// Every zero crossing of X, nearest the frequency first.
std::vector<double> reactanceZeros(const std::vector<FrequencyPoint>& sweep, double nearMHz);
// The lowest of one of the SWRs (a member of FrequencyPoint), and whether it lies at the sweep's edge.
LowestSwr lowestSwr(const std::vector<FrequencyPoint>& sweep, double FrequencyPoint::*swr);

}  // namespace loopbeam::nec
