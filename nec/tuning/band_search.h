#pragma once
// The best front-to-rear over the band: the reflector, the driven loop, the
// directors (one length, or a taper from the first to the last) and the two
// gaps behind the first director, searched with NLopt's COBYLA for the
// highest lowest F/R over the band, while the band's highest SWR through one
// feed stays at most a limit and its lowest gain within kBandGainGiven of the
// calculated design's. Each evaluation solves the band's pattern frequencies
// side by side and takes the SWR from the same solves.

#include <functional>
#include <string>
#include <vector>

#include "nec/band/band_figures.h"
#include "nec/check/feed_match.h"
#include "nec/engine/run_control.h"
#include "nec/model/boom_layout.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr double kBandLengthReach = 0.08;                                // either side of the starting lengths
inline constexpr double kBandSpacingLowest = 0.08, kBandSpacingHighest = 0.30;  // wavelengths
inline constexpr double kBandGainGiven = 0.5;                                   // dB below the calculated design's
inline constexpr int kBandEvaluationsPerStart = 45;

struct BandConstraints {
    FeedKind feed = FeedKind::Direct;
    double maxSwr = 2;
    double leastGainDbi = 0;
};

struct BandFound {
    BoomLayout layout;
    BandFigures figures;
    bool feasible = false;
    std::vector<std::string> missed;  // "SWR 2.31 above 2", one a constraint
    int evaluations = 0;
};

// What a search varies: the model its variables lay (a refusal counts as the
// worst design there is), their bounds and COBYLA's first steps.
struct BandSpace {
    std::function<Outcome<NecModel>(const std::vector<double>& x)> model;
    std::vector<double> lower, upper, steps;
    // A feasible point replaces the best so far only when its lowest F/R is
    // higher by more than this: where F/R is all but flat, a search that
    // follows a small change elsewhere would otherwise wander along it.
    double leastGainDb = 0;
};

struct BandPoint {
    std::vector<double> x;
    BandFigures figures;
    std::vector<std::string> missed;  // empty when it meets the constraints
    int evaluations = 0;
};

// A model's band figures from its pattern frequencies, the SWR through the feed.
Outcome<BandFigures> bandThroughFeed(const NecModel& model, FeedKind feed, const RunControl& control);

// COBYLA from each start in turn, at most evaluationsPerStart evaluations
// each; the best feasible point found, else the least violating. Throws
// SearchStopped when a solve fails or is cancelled.
BandPoint bestInSpace(const BandSpace& space, const std::vector<std::vector<double>>& starts,
                      const BandConstraints& limits, int evaluationsPerStart, const RunControl& control,
                      const std::function<void(int evaluations)>& spent);

// What of the constraints these figures miss.
std::vector<std::string> missedConstraints(const BandFigures& figures, const BandConstraints& limits);

// From each start in turn (lengths bounded around reference, the calculated
// lengths after the wire factor); the best feasible design found, else the
// least violating. Throws SearchStopped when a solve fails or is cancelled.
BandFound bestOverBand(const NecModel& calculated, const BoomLayout& reference, const std::vector<BoomLayout>& starts,
                       const BandConstraints& limits, const RunControl& control,
                       const std::function<void(int evaluations)>& spent);

}  // namespace loopbeam::nec
