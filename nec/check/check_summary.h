#pragma once
// The figures a builder reads first, drawn from the sweep.

#include <functional>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/model/sweep_plan.h"

namespace loopbeam::nec {

CheckSummary summarise(const std::vector<FrequencyPoint>& sweep, const SweepPlan& plan);

// Where an SWR of the sweep stays below the threshold, edges interpolated
// linearly between sweep points: every low-SWR span the check tells comes
// from this one walk.
std::vector<Span> spansBelow(const std::vector<FrequencyPoint>& sweep,
                             const std::function<double(const FrequencyPoint&)>& swrOf, double swrThreshold);
// Through the program's 75-ohm section.
std::vector<Span> spansBelow(const std::vector<FrequencyPoint>& sweep, double swrThreshold);
// The span that holds the frequency, if any.
const Span* spanHolding(const std::vector<Span>& spans, double mhz);
// Every zero crossing of X, nearest the frequency first.
std::vector<double> reactanceZeros(const std::vector<FrequencyPoint>& sweep, double nearMHz);
// The lowest of one of the SWRs (a member of FrequencyPoint), and whether it lies at the sweep's edge.
LowestSwr lowestSwr(const std::vector<FrequencyPoint>& sweep, double FrequencyPoint::*swr);

}  // namespace loopbeam::nec
