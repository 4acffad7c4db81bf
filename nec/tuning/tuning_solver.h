#pragma once
// The single-frequency solves of one tuning: side by side, counted against its
// budget, each model solved once. The searches run inside Boost's iterations,
// which have no way to return a failure, so a solve that cannot be done
// throws SearchStopped, and tune() turns it into its refusal.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "nec/engine/run_control.h"
#include "nec/tuning/evaluation.h"
#include "nec/tuning/scaled_model.h"

namespace loopbeam::nec {

struct SearchStopped {
    std::string why;  // kCancelledMessage when cancelled
};

class TuningSolver {
public:
    // The calculated model is referenced, not copied: it outlives the solver.
    // spent is told the count of solves after each round.
    TuningSolver(const NecModel& calculated, const RunControl& control, int budget,
                 std::function<void(int solves)> spent);

    const NecModel& calculated() const { return calculated_; }
    double lockedMHz() const { return calculated_.sweep.locked(); }
    int solves() const { return solves_; }

    // The calculated model with these lengths, at the locked frequency.
    std::vector<Evaluation> atLocked(const std::vector<LoopScales>& candidates);
    Evaluation atLocked(const LoopScales& scales) { return atLocked(std::vector{scales}).front(); }

    // Any models at any frequencies (the wire factor's lone loops).
    std::vector<Evaluation> solve(std::span<const Probe> probes);

private:
    const NecModel& calculated_;
    RunControl control_;
    int budget_;
    std::function<void(int)> spent_;
    int solves_ = 0;
    std::map<LoopScales, Evaluation> known_;
    std::vector<double> reactances_;  // of every solve, in order
};

}  // namespace loopbeam::nec
