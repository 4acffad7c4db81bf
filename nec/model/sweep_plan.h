#pragma once
// The frequencies a check runs: an even grid over at least the locked frequency
// +-5%, widened to the estimated range, with the locked frequency and both
// estimated edges merged in exactly.

#include <cstddef>
#include <vector>

namespace loopbeam::nec {

inline constexpr double kSweepHalfWidth = 0.05;  // of the locked frequency
inline constexpr int kGridPoints = 41;

struct SweepPlan {
    std::vector<double> mhz;  // ascending
    std::size_t lockedIndex = 0;
    std::size_t lowEdgeIndex = 0;
    std::size_t highEdgeIndex = 0;

    double top() const { return mhz.back(); }
    double locked() const { return mhz[lockedIndex]; }
};

// Expects 0 < lowEdge < locked < highEdge (the model checks it first).
SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz);

}  // namespace loopbeam::nec
