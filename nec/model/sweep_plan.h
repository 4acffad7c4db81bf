#pragma once
// The frequencies a check runs: an even grid over at least the locked frequency
// +-5%, widened to the estimated range and to the band, with the locked
// frequency, both estimated edges and the band's pattern frequencies merged in
// exactly.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace loopbeam::nec {

inline constexpr double kSweepHalfWidth = 0.05;  // of the locked frequency
// The sweep solved directly, frequency by frequency: the deck's, and the
// fitted sweep's fallback.
inline constexpr int kGridPoints = 41;
// The points of a fitted sweep: by default, and as many as may be asked.
inline constexpr int kSweepPoints = 401;
inline constexpr int kMinSweepPoints = kGridPoints, kMaxSweepPoints = 2001;

// The span a builder operates over: by default the estimated usable range.
struct Band {
    double lowMHz = 0, highMHz = 0;
    bool operator==(const Band&) const = default;
};
// A band reaches at most this share of the locked frequency away from it:
// wider than any amateur band around a design's frequency.
inline constexpr double kBandReach = 0.2;
// Patterns solved over the band, evenly spread: its edges and centre among them.
inline constexpr int kBandFrequencies = 11;
std::vector<double> bandFrequencies(const Band& band);
// Why the edges are no band (not numbers above 0, the low edge not below the high one), or nothing.
std::optional<std::string> bandFault(const Band& band);
// Why the band lies too far from the locked frequency, or nothing.
std::optional<std::string> bandReachFault(const Band& band, double lockedMHz);

struct SweepPlan {
    std::vector<double> mhz;  // ascending
    std::size_t lockedIndex = 0;
    std::size_t lowEdgeIndex = 0;
    std::size_t highEdgeIndex = 0;
    Band band;

    double top() const { return mhz.back(); }
    double locked() const { return mhz[lockedIndex]; }
    double lowEdge() const { return mhz[lowEdgeIndex]; }
    double highEdge() const { return mhz[highEdgeIndex]; }
};

// Expects 0 < lowEdge < locked < highEdge (the model checks it first) and at
// least 2 grid points. Grids of the same span nest: where (points - 1) is a
// multiple of (kGridPoints - 1), every point of the direct grid is one of
// this grid's, to the last bit.
SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz, const Band& band,
                    int gridPoints = kGridPoints);
// The band the estimated range.
SweepPlan planSweep(double lockedMHz, double lowEdgeMHz, double highEdgeMHz, int gridPoints = kGridPoints);

// The direct sweep (kGridPoints) over the same span as a plan of any size.
SweepPlan directPlan(const SweepPlan& plan);

}  // namespace loopbeam::nec
