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

// What of the constraints these figures miss.
std::vector<std::string> missedConstraints(const BandFigures& figures, const BandConstraints& limits);

// From each start in turn (lengths bounded around reference, the calculated
// lengths after the wire factor); the best feasible design found, else the
// least violating. Throws SearchStopped when a solve fails or is cancelled.
BandFound bestOverBand(const NecModel& calculated, const BoomLayout& reference, const std::vector<BoomLayout>& starts,
                       const BandConstraints& limits, const RunControl& control,
                       const std::function<void(int evaluations)>& spent);

}  // namespace loopbeam::nec
