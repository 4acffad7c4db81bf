#pragma once
// The driven loop's length for X = 0 at the locked frequency, the other loops
// as they are: the variable is the driven loop's scale, within a stated range;
// the bracket is centred where the reactance known at one length and its
// slope put the zero, its two ends solved side by side and moved out along
// the line through them until X changes sign; then Boost's TOMS748 root
// finder, until |X| is at most kResonantOhms.

#include "nec/check/check_result.h"
#include "nec/tuning/tuning_solver.h"

namespace loopbeam::nec {

// Where the search stops; the final check allows 1 ohm.
inline constexpr double kResonantOhms = 0.5;
// The driven loop's range, of its wire-corrected length.
inline constexpr double kDrivenLowest = 0.9, kDrivenHighest = 1.1;
// The bracket's two ends, as many moves out, then TOMS748's iterations.
inline constexpr int kBracketMoves = 4;
inline constexpr int kResonanceIterations = 12;
inline constexpr int kResonanceSolves = 2 + kBracketMoves + kResonanceIterations;

// X at the locked frequency with the driven loop at a scale, and how fast it
// rises with that scale (ohms per unit). known: solved, not estimated.
struct ReactanceAt {
    double scale = 1;
    double reactance = 0;
    double slope = 0;
    bool known = false;
};

// From the calculated design's sweep: a loop k times as long behaves much as
// the calculated one at k times the frequency, so X at k f0 is the estimate
// for every loop scaled by k, and f0 dX/df its slope, held between half and
// twice what a lone loop shows (about 25 ohms per 1% of its length): near a
// director's resonance the sweep's slope is the array's, not the loop's.
ReactanceAt reactanceFromSweep(const CheckResult& check, double lockedMHz, double scale);

struct Resonant {
    LoopScales scales;
    double slope = 0;  // ohms of X per unit of the driven loop's scale, between the bracket's ends
};

// Throws SearchStopped when no length within the range resonates.
Resonant resonantDriven(TuningSolver& solver, LoopScales scales, const ReactanceAt& from, double wireFactor);

}  // namespace loopbeam::nec
