#pragma once
// The spider tuned band by band with every loop present: each band's driven
// loop to X = 0 at its centre (and first, for front-to-back, its reflector),
// the bands taken in turn, and the rounds repeated until no loop moves by
// more than kSettledFraction.
// A loop's corners stay on the arms, so its place follows its length.

#include <string>
#include <vector>

#include "nec/engine/run_control.h"
#include "nec/multiband/spider.h"
#include "nec/outcome.h"
#include "nec/tuning/band_search.h"
#include "nec/tuning/driven_resonance.h"
#include "nec/tuning/reflector_search.h"
#include "nec/tuning/tune.h"
#include "nec/tuning/wire_factor.h"

namespace loopbeam::nec {

// A round settles as a single band's tuning does (kSettledFraction); each
// driven loop keeps within kDrivenLowest to kDrivenHighest of its calculated
// length and counts as resonant within kResonantOhms, as a single band's does.
inline constexpr int kMostRounds = 8;

// The goals a spider of several bands is tuned for, of kTuneGoals.
constexpr bool tunesSeveralBands(TuneGoal goal) {
    return goal == TuneGoal::Resonance || goal == TuneGoal::FrontToBack || goal == TuneGoal::Band;
}
// What such a goal changes on the spider, for a reader choosing one
// (kTuneGoals' words are a single band's); a goal of no such words: its single band's.
std::string spiderTuneChanges(TuneGoal goal);

// The band goal's for one band: what it held, and what of it it missed.
struct SpiderBandGoal {
    BandConstraints limits;
    BandFigures figures;  // the search's; the full check's once held (spider_band_goal.h)
    std::vector<std::string> missed;
};

struct SpiderTuned {
    Spider spider;
    int rounds = 0;
    int solves = 0;
    TuneGoal goal = TuneGoal::Resonance;
    WireFactor wire;  // every loop's, before the rounds (spider_band_goal.h)
    // The band goal: front-to-back's rounds it started from, its evaluations
    // of a band (kBandFrequencies solves each), and a band each.
    int startRounds = 0;
    int evaluations = 0;
    std::vector<SpiderBandGoal> bandGoal;

    bool metEveryBand() const;
};

// Resonance: each band's driven loop in turn. Front-to-back: each band's
// reflector to the greatest F/B at its centre (the single band's search),
// then its driven loop to resonance. Refuses, naming the band, when a loop
// finds no resonance or no maximum within its range, and when the rounds have
// not settled after kMostRounds. control.progress goes up to 0.95 over the
// rounds; a cancel ends it with kCancelledMessage.
Outcome<SpiderTuned> tuneSpider(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                const RunControl& control, TuneGoal goal);

}  // namespace loopbeam::nec
