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

SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz) {
    const double low = std::min(lockedMHz * (1 - kSweepHalfWidth), lowEdgeMHz);
    const double high = std::max(lockedMHz * (1 + kSweepHalfWidth), highEdgeMHz);
    const double step = (high - low) / (kGridPoints - 1);
    const std::array<double, 3> exact{lockedMHz, lowEdgeMHz, highEdgeMHz};

    SweepPlan plan;
    plan.mhz.assign(exact.begin(), exact.end());
    for (int i = 0; i < kGridPoints; ++i) {
        const double f = i == kGridPoints - 1 ? high : low + i * step;
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

}  // namespace loopbeam::nec
