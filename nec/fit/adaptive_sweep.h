#pragma once
// The feed impedance over a sweep from few direct solves: solve a few
// frequencies, fit rational functions of two neighbouring orders to them, add
// solves where the two disagree most, and stop when they agree; then check the
// fit once more against a direct solve where they disagreed most.
// (Model-based parameter estimation: E. K. Miller, IEEE Antennas and
// Propagation Magazine, 1998; G. J. Burke's NEC frequency sweeps.)
//
// Every solve is keyed by the frequency asked for, never by one the engine
// printed back.

#include <complex>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "nec/model/sweep_plan.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// The two fits agree within this share of |Z| at every output frequency...
inline constexpr double kFitAgreement = 0.001;
// ... and the higher one then matches a direct solve within this share.
inline constexpr double kFitVerification = 0.002;
// Not converged by then, the caller solves the direct sweep instead: one
// fewer than its 41 points, beyond which the fit would save nothing.
inline constexpr std::size_t kMaxFitSolves = kGridPoints - 1;

// Solves a batch of frequencies at once: their impedances in the same order, or why not.
using ImpedanceSolver = std::function<Outcome<std::vector<std::complex<double>>>(std::span<const double> mhz)>;

struct AdaptiveSweepRequest {
    std::vector<double> outputMHz;     // ascending, distinct, not empty: where the impedance is wanted
    std::vector<double> mustSolveMHz;  // among them, solved from the start: the locked frequency, the estimated edges
    unsigned solvesPerRound = 1;       // the engine processes that run at once: every round keeps them all busy
    // Ascending, among the output: frequencies a fallback would solve anyway
    // (the direct sweep's). The evenly spread first solves are taken from
    // them, and so is each solve that refines a gap holding one; the check
    // solves go where the fits disagree most.
    std::vector<double> reusableMHz = {};
    std::size_t maxSolves = kMaxFitSolves;
};

struct SolvedImpedance {
    double mhz = 0;  // as asked
    std::complex<double> impedance;
};

struct AdaptiveSweep {
    bool converged = false;
    std::vector<SolvedImpedance> solved;  // every direct solve, in the order asked
    // At each output frequency: the solve where there was one, the fit elsewhere
    // (empty unless converged).
    std::vector<std::complex<double>> impedance;
};

// The solver's first failure ends the sweep with its reason.
Outcome<AdaptiveSweep> adaptiveSweep(const AdaptiveSweepRequest& request, const ImpedanceSolver& solve);

}  // namespace loopbeam::nec
