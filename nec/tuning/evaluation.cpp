#include "nec/tuning/evaluation.h"

#include <array>
#include <cmath>

#include "nec/engine/forward_look.h"
#include "nec/engine/model_job.h"

namespace loopbeam::nec {

double Evaluation::backOverForward() const { return std::pow(10.0, -frontToBackDb / 10); }

Outcome<std::vector<Evaluation>> solveSideBySide(std::span<const Probe> probes, const RunControl& control) {
    std::vector<ModelRequests> jobs;
    for (const Probe& probe : probes)
        jobs.push_back({probe.model, {FrequencyRequest{probe.mhz, false}}});  // forward and back only
    auto solved = solveModels(jobs, control);
    if (!solved) return Refused{solved.error()};
    std::vector<Evaluation> evaluations;
    for (const std::vector<FrequencyOutput>& read : *solved) {
        const ForwardLook look = forwardLook(read.front());
        evaluations.push_back({read.front().feedImpedance, look.forward, look.forward - look.back});
    }
    return evaluations;
}

}  // namespace loopbeam::nec
