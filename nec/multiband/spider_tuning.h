#pragma once
// The spider tuned to resonance band by band: each band's driven loop to
// X = 0 at its centre with every loop present, the bands taken in turn, and
// the rounds repeated until no driven loop moves by more than kSettledMove.
// A loop's corners stay on the arms, so its place follows its length.

#include <vector>

#include "nec/engine/run_control.h"
#include "nec/multiband/spider.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr double kSettledMove = 0.0005;  // of the loop's length
inline constexpr int kMostRounds = 8;
// Each band's driven loop stays within this range of its calculated length.
inline constexpr double kSpiderDrivenLowest = 0.9, kSpiderDrivenHighest = 1.1;
// |X| at the band's centre that counts as resonant.
inline constexpr double kSpiderResonantOhms = 0.5;

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
