#include "nec/tuning/evaluation.h"

#include <array>
#include <cmath>

#include "nec/band/forward_look.h"
#include "nec/engine/model_job.h"

namespace loopbeam::nec {

double Evaluation::backOverForward() const { return std::pow(10.0, -frontToBackDb / 10); }

Outcome<std::vector<Evaluation>> solveSideBySide(std::span<const Probe> probes, const RunControl& control) {
    std::vector<std::array<FrequencyRequest, 1>> requests;
    std::vector<EngineJob> jobs;
    for (const Probe& probe : probes) {
        requests.push_back({FrequencyRequest{probe.mhz, false}});  // forward and back only
        jobs.push_back(jobFor(*probe.model, requests.back()));
    }
    auto printed = runNec2c(jobs, control);
    if (!printed) return Refused{printed.error()};
    std::vector<Evaluation> evaluations;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        auto read = readJob((*printed)[i], *probes[i].model, requests[i]);
        if (!read) return Refused{read.error()};
        const ForwardLook look = forwardLook(read->front().patterns.front());
        evaluations.push_back({read->front().feedImpedance, look.forward, look.forward - look.back});
    }
    return evaluations;
}

}  // namespace loopbeam::nec
