#pragma once
// The model fitted to a measurement: the factor k by which every loop's
// perimeter is scaled so that the model's feed impedance over the measured
// span comes closest to the measured one. Least squares on the reflection
// coefficient against 50 ohms, over the points the analyser measured with SWR
// below kFitSwrLimit (elsewhere a small error in a large impedance would
// weigh most); k by Boost.Math's brent_find_minima, each step a fitted sweep
// of the scaled model (nec/fit/adaptive_sweep.h). Where k alone leaves the
// error above kDrivenFitError, the driven loop gets a factor of its own (cut
// or joined differently from the others): for each k tried, the best driven
// factor by a Brent search of its own.

#include <cstddef>
#include <optional>

#include "nec/engine/run_control.h"
#include "nec/measured/measured_sweep.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"
#include "nec/tuning/scaled_model.h"

namespace loopbeam::nec {

inline constexpr double kFitSwrLimit = 5;
// Above this rms |Gamma_model - Gamma_measured| the measurement does not look like the design.
inline constexpr double kFitErrorLimit = 0.05;
// k's bracket: a builder's loops are not 15% off the design.
inline constexpr double kLowestFactor = 0.85, kHighestFactor = 1.15;
// k to about 0.01%, far below what a builder can cut; the most steps that takes.
inline constexpr int kFactorBits = 14;
inline constexpr int kMostFitSteps = 30;
// Above this error after k alone, the driven loop is fitted too, within this bracket of k.
inline constexpr double kDrivenFitError = 0.02;
inline constexpr double kLowestDrivenFactor = 0.92, kHighestDrivenFactor = 1.08;
inline constexpr int kDrivenFactorBits = 12, kMostDrivenSteps = 20;

struct ModelFit {
    double factor = 1;
    std::optional<double> drivenFactor;  // the driven loop's, times k, where it was fitted
    double error = 0;                    // rms |Gamma_model - Gamma_measured| at the factors
    double factorAloneError = 0;         // with k alone
    std::size_t points = 0;              // the measured points fitted
    int steps = 0;                       // scaled models swept

    // At an end of k's bracket the best may lie beyond it: no fit to trust.
    bool atBracketEnd() const { return factor < kLowestFactor * 1.001 || factor > kHighestFactor / 1.001; }
    bool fits() const { return error <= kFitErrorLimit && !atBracketEnd(); }
    LoopScales scales() const { return {factor, factor * drivenFactor.value_or(1), factor}; }
};

// The measurement at the feed point, within the model's sweep. Refuses when
// no point has SWR below kFitSwrLimit, or when a sweep fails.
Outcome<ModelFit> fitModel(const NecModel& calculated, const MeasuredSweep& atFeed, const RunControl& control = {});

}  // namespace loopbeam::nec
