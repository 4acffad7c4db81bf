#pragma once
// The frequencies a check runs: an even grid over at least the locked frequency
// +-5%, widened to the estimated range, with the locked frequency and both
// estimated edges merged in exactly.

#include <cstddef>
#include <vector>

namespace loopbeam::nec {

inline constexpr double kSweepHalfWidth = 0.05;  // of the locked frequency
// The sweep solved directly, frequency by frequency: the deck's, and the
// fitted sweep's fallback.
inline constexpr int kGridPoints = 41;
// The points of a fitted sweep: by default, and as many as may be asked.
inline constexpr int kSweepPoints = 401;
inline constexpr int kMinSweepPoints = kGridPoints, kMaxSweepPoints = 2001;

struct SweepPlan {
    std::vector<double> mhz;  // ascending
    std::size_t lockedIndex = 0;
    std::size_t lowEdgeIndex = 0;
    std::size_t highEdgeIndex = 0;

    double top() const { return mhz.back(); }
    double locked() const { return mhz[lockedIndex]; }
    double lowEdge() const { return mhz[lowEdgeIndex]; }
    double highEdge() const { return mhz[highEdgeIndex]; }
};

// Expects 0 < lowEdge < locked < highEdge (the model checks it first) and at
// least 2 grid points. Grids of the same span nest: where (points - 1) is a
// multiple of (kGridPoints - 1), every point of the direct grid is one of
// this grid's, to the last bit.
SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz, int gridPoints = kGridPoints);

// The direct sweep (kGridPoints) over the same span as a plan of any size.
SweepPlan directPlan(const SweepPlan& plan);

}  // namespace loopbeam::nec
