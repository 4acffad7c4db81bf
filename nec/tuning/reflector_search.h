#pragma once
// The reflector's length for the greatest F/B at the locked frequency, the
// other loops as they are: the variable is the reflector's scale within a
// window of the range 0.92 to 1.08 of its wire-corrected length, searched by
// Boost's Brent minimiser on the power behind over the power forward (the
// same optimum as F/B's, but smooth where F/B peaks sharply) to 0.05%.

#include <functional>
#include <vector>

#include "nec/tuning/tuning_solver.h"

namespace loopbeam::nec {

inline constexpr double kReflectorLowest = 0.92, kReflectorHighest = 1.08;  // of its wire-corrected length
// How far apart two reflector or driven lengths may be and count as one.
inline constexpr double kSettledFraction = 0.0005;
// Brent's first solve and its iterations, a solve each.
inline constexpr int kReflectorSolves = 40;

struct Window {
    double low = 0, high = 0;
};

// Throws SearchStopped when the best lies at an end of the range (not of a
// narrower window): F/B has no maximum inside it.
LoopScales bestReflector(TuningSolver& solver, LoopScales scales, Window window, Window range);

// The power behind over the power forward with the reflector at each scale,
// solved side by side; a scale asked twice is best solved once.
using BehindOverForward = std::function<std::vector<double>(const std::vector<double>& reflectorScales)>;

// The same search on any model: the reflector's best scale.
double bestReflectorScale(const BehindOverForward& solve, Window window, Window range);

}  // namespace loopbeam::nec
