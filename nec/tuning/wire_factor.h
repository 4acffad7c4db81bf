#pragma once
// The wire's factor: how much shorter an insulated loop is cut to resonate
// where a bare one does. A lone square loop of the driven element's length
// and segments in free space, with the insulation and bare: the series
// resonance of each (X rising through zero), found by NEC-2 between 0.9 and
// 1.15 of the locked frequency (a lone loop resonates 3-5% above it), the
// first over the second. Bare wire's factor is 1, without a solve.

#include "nec/model/nec_model.h"
#include "nec/tuning/tuning_solver.h"

namespace loopbeam::nec {

inline constexpr double kLoneLoopLowest = 0.9, kLoneLoopHighest = 1.15;  // of the locked frequency
// TOMS748's iterations for each loop; with the four ends, the most solves it takes.
inline constexpr int kLoneLoopIterations = 20;
inline constexpr int kWireFactorSolves = 4 + 2 * kLoneLoopIterations;

NecModel loneLoop(const NecModel& calculated, bool insulated);

struct WireFactor {
    double factor = 1;
    double insulatedMHz = 0, bareMHz = 0;  // the lone loops' resonances; 0 for bare wire
};

// Throws SearchStopped when a loop has no such resonance.
WireFactor wireFactor(TuningSolver& solver);

}  // namespace loopbeam::nec
