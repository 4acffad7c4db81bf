#include "nec/model/sweep_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

// A grid point this close to an exact frequency (in grid steps) gives way to it.
constexpr double kMergeSteps = 0.01;

std::size_t indexOf(const std::vector<double>& mhz, double exact) {
    return static_cast<std::size_t>(std::distance(mhz.begin(), std::find(mhz.begin(), mhz.end(), exact)));
}

}  // namespace

std::vector<double> bandFrequencies(const Band& band) {
    constexpr int kIntervals = kBandFrequencies - 1;
    std::vector<double> mhz;
    for (int i = 0; i < kIntervals; ++i)
        mhz.push_back(band.lowMHz + (band.highMHz - band.lowMHz) * (static_cast<double>(i) / kIntervals));
    mhz.push_back(band.highMHz);
    return mhz;
}

std::optional<std::string> bandFault(const Band& band) {
    if (!(std::isfinite(band.lowMHz) && std::isfinite(band.highMHz) && band.lowMHz > 0 && band.lowMHz < band.highMHz))
        return "The band's edges must be frequencies in MHz above 0, the low edge below the high one.";
    return std::nullopt;
}

std::optional<std::string> bandReachFault(const Band& band, double lockedMHz) {
    const double low = lockedMHz * (1 - kBandReach), high = lockedMHz * (1 + kBandReach);
    if (band.lowMHz >= low && band.highMHz <= high) return std::nullopt;
    return printfText(
        "The band must lie within %.0f%% of the locked frequency, %.4g to %.4g MHz: the design is checked around "
        "the frequency it was calculated for.",
        kBandReach * 100, low, high);
}

SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz, const Band& band, int gridPoints) {
    const double low = std::min({lockedMHz * (1 - kSweepHalfWidth), lowEdgeMHz, band.lowMHz});
    const double high = std::max({lockedMHz * (1 + kSweepHalfWidth), highEdgeMHz, band.highMHz});
    const int intervals = gridPoints - 1;
    const double step = (high - low) / intervals;
    std::vector<double> exact = bandFrequencies(band);
    exact.insert(exact.end(), {lockedMHz, lowEdgeMHz, highEdgeMHz});

    SweepPlan plan;
    plan.band = band;
    plan.mhz = exact;
    for (int i = 0; i < gridPoints; ++i) {
        // i / intervals is correctly rounded, so equal fractions of two grids give equal frequencies.
        const double f = i == intervals ? high : low + (high - low) * (static_cast<double>(i) / intervals);
        const bool nearExact =
            std::any_of(exact.begin(), exact.end(), [&](double e) { return std::abs(f - e) < kMergeSteps * step; });
        if (!nearExact) plan.mhz.push_back(f);
    }
    std::sort(plan.mhz.begin(), plan.mhz.end());
    plan.mhz.erase(std::unique(plan.mhz.begin(), plan.mhz.end()), plan.mhz.end());
    plan.lockedIndex = indexOf(plan.mhz, lockedMHz);
    plan.lowEdgeIndex = indexOf(plan.mhz, lowEdgeMHz);
    plan.highEdgeIndex = indexOf(plan.mhz, highEdgeMHz);
    return plan;
}

SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz, int gridPoints) {
    return planSweep(lockedMHz, lowEdgeMHz, highEdgeMHz, Band{lowEdgeMHz, highEdgeMHz}, gridPoints);
}

SweepPlan directPlan(const SweepPlan& plan) {
    return planSweep(plan.locked(), plan.lowEdge(), plan.highEdge(), plan.band, kGridPoints);
}

}  // namespace loopbeam::nec
