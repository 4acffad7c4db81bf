#pragma once
// The spider tuned to resonance band by band: each band's driven loop to
// X = 0 at its centre with every loop present, the bands taken in turn, and
// the rounds repeated until no driven loop moves by more than kSettledFraction.
// A loop's corners stay on the arms, so its place follows its length.

#include <vector>

#include "nec/engine/run_control.h"
#include "nec/multiband/spider.h"
#include "nec/outcome.h"
#include "nec/tuning/driven_resonance.h"
#include "nec/tuning/reflector_search.h"

namespace loopbeam::nec {

// A round settles as a single band's tuning does (kSettledFraction); each
// driven loop keeps within kDrivenLowest to kDrivenHighest of its calculated
// length and counts as resonant within kResonantOhms, as a single band's does.
inline constexpr int kMostRounds = 8;

struct SpiderTuned {
    Spider spider;
    int rounds = 0;
    int solves = 0;
};

// Refuses, naming the band, when a driven loop finds no resonance within its
// range, and when the rounds have not settled after kMostRounds.
Outcome<SpiderTuned> tuneSpiderResonance(const MultibandDesign& design, const Spider& spider,
                                         const CheckOptions& options, const RunControl& control);

}  // namespace loopbeam::nec
