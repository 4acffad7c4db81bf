#pragma once
// The figures of a measured sweep at the feed point, as the check's summary
// gives them for the model: SWR on 50 ohms fed directly.

#include <optional>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/measured/measured_sweep.h"
#include "nec/model/quad_design.h"

namespace loopbeam::nec {

struct MeasuredSummary {
    std::vector<double> resonancesMHz;  // X = 0, nearest the locked frequency first
    LowestSwr lowest;
    std::vector<Span> below2;
    // Where the measurement reaches the estimated range's edges.
    std::optional<double> swrAtLowEdge, swrAtHighEdge;
};

// Of an empty sweep, nothing.
MeasuredSummary summariseMeasurement(const MeasuredSweep& sweep, const QuadDesign& design);

// The model's figures over the measured span (not empty): its points from the
// one at or below the span's low end to the one at or above its high end, so
// that even a measurement of one frequency has a point beside it.
MeasuredSummary summariseModelOver(const CheckResult& model, const MeasuredSweep& span, const QuadDesign& design);

}  // namespace loopbeam::nec
