#include "nec/model/sweep_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace loopbeam::nec {

namespace {

// A grid point this close to an exact frequency (in grid steps) gives way to it.
constexpr double kMergeSteps = 0.01;

std::size_t indexOf(const std::vector<double>& mhz, double exact) {
    return static_cast<std::size_t>(std::distance(mhz.begin(), std::find(mhz.begin(), mhz.end(), exact)));
}

}  // namespace

SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz, int gridPoints) {
    const double low = std::min(lockedMHz * (1 - kSweepHalfWidth), lowEdgeMHz);
    const double high = std::max(lockedMHz * (1 + kSweepHalfWidth), highEdgeMHz);
    const int intervals = gridPoints - 1;
    const double step = (high - low) / intervals;
    const std::array<double, 3> exact{lockedMHz, lowEdgeMHz, highEdgeMHz};

    SweepPlan plan;
    plan.mhz.assign(exact.begin(), exact.end());
    for (int i = 0; i < gridPoints; ++i) {
        // i / intervals is correctly rounded, so equal fractions of two grids give equal frequencies.
        const double f = i == intervals ? high : low + (high - low) * (static_cast<double>(i) / intervals);
        const bool nearExact =
            std::any_of(exact.begin(), exact.end(), [&](double e) { return std::abs(f - e) < kMergeSteps * step; });
        if (!nearExact) plan.mhz.push_back(f);
    }
    std::sort(plan.mhz.begin(), plan.mhz.end());
    plan.lockedIndex = indexOf(plan.mhz, lockedMHz);
    plan.lowEdgeIndex = indexOf(plan.mhz, lowEdgeMHz);
    plan.highEdgeIndex = indexOf(plan.mhz, highEdgeMHz);
    return plan;
}

SweepPlan directPlan(const SweepPlan& plan) {
    return planSweep(plan.locked(), plan.lowEdge(), plan.highEdge(), kGridPoints);
}

}  // namespace loopbeam::nec
