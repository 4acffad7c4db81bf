#include "nec/tuning/tuning_solver.h"

#include <algorithm>

#include "nec/engine/output_bounds.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

TuningSolver::TuningSolver(const NecModel& calculated, const RunControl& control, int budget,
                           std::function<void(int)> spent)
    : calculated_(calculated), control_(control), budget_(budget), spent_(std::move(spent)) {
    // The fraction of one round would read as the whole tuning's.
    control_.progress = nullptr;
}

std::vector<Evaluation> TuningSolver::solve(std::span<const Probe> probes) {
    if (solves_ + static_cast<int>(probes.size()) > budget_)
        throw SearchStopped{printfText("it spent its budget of %d single-frequency NEC-2 solves", budget_)};
    auto evaluations = solveSideBySide(probes, control_);
    if (!evaluations) throw SearchStopped{evaluations.error().message};
    for (const Evaluation& e : *evaluations) reactances_.push_back(e.feedImpedance.imag());
    if (const auto never = reactanceNeverChanges(reactances_)) throw SearchStopped{notBelieved("", *never)};
    solves_ += static_cast<int>(probes.size());
    if (spent_) spent_(solves_);
    return std::move(*evaluations);
}

std::vector<Evaluation> TuningSolver::atLocked(const std::vector<LoopScales>& candidates) {
    std::vector<LoopScales> unknown;
    for (const LoopScales& s : candidates)
        if (!known_.count(s) && std::find(unknown.begin(), unknown.end(), s) == unknown.end()) unknown.push_back(s);
    std::vector<NecModel> models;
    for (const LoopScales& s : unknown) {
        auto model = scaledModel(calculated_, s);
        if (!model) throw SearchStopped{model.error().message};
        models.push_back(std::move(*model));
    }
    std::vector<Probe> probes;
    for (const NecModel& m : models) probes.push_back({&m, lockedMHz()});
    if (!probes.empty()) {
        const std::vector<Evaluation> solved = solve(probes);
        for (std::size_t i = 0; i < unknown.size(); ++i) known_[unknown[i]] = solved[i];
    }
    std::vector<Evaluation> out;
    for (const LoopScales& s : candidates) out.push_back(known_.at(s));
    return out;
}

}  // namespace loopbeam::nec
