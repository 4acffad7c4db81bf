#pragma once
// Tuning a calculated design with NEC-2, starting from the design and its
// check: first every loop times the wire's factor (1 for bare wire), then the
// goal the builder picks, as builders tune by hand with an analyser:
//  - resonance: the driven loop alone, to X = 0 at the locked frequency;
//  - front-to-back: the reflector for the greatest F/B at the locked
//    frequency, then the driven loop to resonance, again until neither moves
//    by more than 0.05%;
//  - band: the highest lowest F/R over the band within an SWR and a gain
//    (band_search.h), from the wire factor's lengths and from front-to-back's.
// The directors stay alike. The tuned model, with the calculated model's
// segments, is then checked with the full sweep like the calculated one (the
// same sweep method).
//
//     auto check = runCheck(model, control);
//     auto tuned = tune(model, *check, TuneGoal::Resonance, control);
//
// Run it on a thread of its own, as a check: control.progress goes from 0 to
// 1 over the search and the tuned design's check, control.cancel ends it with
// kCancelledMessage. A tuning that fails gives no lengths, only which goal
// and why.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/check/feed_match.h"
#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"
#include "nec/tuning/scaled_model.h"
#include "nec/tuning/wire_factor.h"

namespace loopbeam::nec {

enum class TuneGoal { Resonance, FrontToBack, Band };

struct TuneGoalRow {
    TuneGoal key;
    std::string_view word;     // as the command line and the JSON name it
    std::string_view changes;  // what the goal changes, for a reader choosing one
};

inline constexpr std::array<TuneGoalRow, 3> kTuneGoals{{
    {TuneGoal::Resonance, "resonance",
     "trims the driven loop alone until X = 0 at the locked frequency: the match changes, the pattern does not"},
    {TuneGoal::FrontToBack, "front-to-back",
     "sets the reflector for the greatest F/B at the locked frequency, then trims the driven loop to resonance"},
    {TuneGoal::Band, "band",
     "sets every loop and the first two spacings for the best front-to-rear over the band, SWR and gain held"},
}};

// What the band goal holds: the SWR through one feed (by default the one
// recommended for the calculated design after the wire factor).
struct BandLimits {
    double maxSwr = 2;
    std::optional<FeedKind> feed;
};

// A saved file's name for the tuned design: the check's, then "-tuned-resonance".
std::string tunedFileStem(const std::string& checkStem, TuneGoal goal);

// Rounds of reflector and driven loop before front-to-back gives up.
inline constexpr int kTunePasses = 4;

// The most single-frequency solves a goal takes, the wire factor's included:
// the sum of what each step may take.
int solveBudget(TuneGoal goal);
// |X| at the locked frequency the tuned design's check must show.
inline constexpr double kTunedReactanceOhms = 1;

struct Tuned {
    TuneGoal goal = TuneGoal::Resonance;
    WireFactor wire;
    LoopScales scales;                 // of the calculated perimeters (the band goal: front-to-back's)
    std::optional<BoomLayout> layout;  // the band goal's lengths and gaps
    NecModel model;                    // the tuned lengths, the calculated model's segments
    CheckResult check;                 // of the tuned model, with the calculated design's sweep
    int solves = 0;                    // the search's single-frequency solves
    double reactanceSlope = 0;         // ohms of X at the locked frequency per unit of the driven loop's scale
    // The band goal: false when no design within the bounds met its
    // constraints; the least violating is then no length to cut.
    bool feasible = true;
    std::vector<std::string> missed;
    int evaluations = 0;  // of the band, 11 solves each
    FeedKind bandFeed = FeedKind::Direct;
    double leastGainDbi = 0, maxSwr = 0;
};

// withWireFactor false: the model's loops already behave as the wire built
// (a model fitted to a measurement), and the search starts from them as they are.
Outcome<Tuned> tune(const NecModel& calculated, const CheckResult& check, TuneGoal goal, const RunControl& control = {},
                    const BandLimits& limits = {}, bool withWireFactor = true);

}  // namespace loopbeam::nec
