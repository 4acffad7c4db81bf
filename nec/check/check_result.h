#pragma once
// What a check found: the sweep, frequency by frequency, how it was found,
// its summary, and the patterns at the locked frequency.

#include <complex>
#include <cstddef>
#include <vector>

#include "nec/band/band_figures.h"
#include "nec/check/feed_match.h"

namespace loopbeam::nec {

// A frequency of the sweep. Its impedance and SWRs are NEC-2's own where it
// was solved, the fit's elsewhere; gain, F/B and their elevation come only
// from a solve, and are NaN elsewhere.
struct FrequencyPoint {
    double mhz = 0;
    std::complex<double> feedImpedance;  // ohms, R + jX
    double swrThroughSection = 0;        // on 50 ohms through the 75-ohm quarter-wave section
    double swrDirect = 0;                // on 50 ohms, fed directly
    double forwardGainDbi = 0;
    double frontToBackDb = 0;     // forward gain minus the gain straight behind
    double frontToRearDb = 0;     // forward gain minus the rear half's strongest; NaN where the rear was not asked
    double elevationDegrees = 0;  // where forward gain and F/B were taken: 0 in free space
    bool solved = true;           // by nec2c at this very frequency
};

// How a check finds the feed impedance over its sweep.
enum class SweepMethod {
    Fitted,           // a rational fit of a few solves; the direct sweep where it does not settle
    SolveEveryPoint,  // every frequency solved by nec2c
};

struct SweepRecord {
    SweepMethod method = SweepMethod::SolveEveryPoint;
    bool fellBack = false;   // the fit did not settle: the direct sweep of kGridPoints instead
    std::size_t solves = 0;  // frequencies nec2c solved, the fit's and the fallback's together
    std::size_t fitSolves = 0;
};

struct PatternPoint {
    double azimuthDegrees = 0;  // 0 forward
    double gainDbi = 0;
};

// In the vertical plane through the boom: 0 the horizon ahead, 90 straight
// up, 180 the horizon behind; in free space on round to 270, straight down,
// which is also -90.
struct ElevationPoint {
    double elevationDegrees = 0;
    double gainDbi = 0;
};

// Where an SWR stays below a threshold; an edge that is the sweep's own says
// so: the span may go on beyond it.
struct Span {
    double lowMHz = 0, highMHz = 0;
    bool lowIsSweepEdge = false, highIsSweepEdge = false;
};

// The lowest SWR of the sweep. At its first or last point, or the one next
// to it, the sweep cannot show that the SWR does not fall lower beyond.
struct LowestSwr {
    double mhz = 0;
    double swr = 0;
    bool atSweepEdge = false;
};

struct CheckSummary {
    std::vector<double> resonancesMHz;  // where X crosses zero (interpolated), nearest the locked frequency first
    LowestSwr lowestThroughSection, lowestDirect;
    std::vector<Span> below1_5, below2;
    double swrAtLowEdge = 0, swrAtHighEdge = 0;  // through the section, at the estimated edges
    double gainAtLockedDbi = 0;
    double frontToBackAtLockedDb = 0;
    double frontToRearAtLockedDb = 0;
    double elevationDegrees = 0;  // at the locked frequency
};

struct CheckResult {
    std::vector<FrequencyPoint> sweep;  // ascending
    CheckSummary summary;
    std::vector<PatternPoint> azimuthPattern;      // at the locked frequency and its elevation
    std::vector<ElevationPoint> elevationPattern;  // at the locked frequency, by ascending elevation
    int segments = 0;
    SweepRecord swept;
    BandFigures band;  // the SWR through the feed recommended at the locked frequency
    FeedKind bandFeed = FeedKind::Direct;
    bool bandFeedHeld = false;  // the feed a band tuning held, rather than the one recommended
    double dipoleGainDbi = 0;   // a half-wave dipole's in the same setting, the gain to beat
};

}  // namespace loopbeam::nec
