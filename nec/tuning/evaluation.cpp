#include "nec/tuning/evaluation.h"

#include <array>
#include <cmath>

#include "nec/check/forward_look.h"
#include "nec/engine/engine_run.h"
#include "nec/engine/nec2c_output.h"
#include "nec/model/deck_writer.h"
#include "nec/model/run_cost.h"

namespace loopbeam::nec {

double Evaluation::backOverForward() const { return std::pow(10.0, -frontToBackDb / 10); }

Outcome<std::vector<Evaluation>> solveSideBySide(std::span<const Probe> probes, const RunControl& control) {
    std::vector<std::array<FrequencyRequest, 1>> requests;
    std::vector<EngineJob> jobs;
    for (const Probe& probe : probes) {
        requests.push_back({FrequencyRequest{probe.mhz, false}});  // forward and back only
        const NecModel& m = *probe.model;
        jobs.push_back(
            {writeDeck(m, requests.back()), 1, timeoutSeconds(m.totalSegments(), 1, m.boomHeightMetres.has_value())});
    }
    auto printed = runNec2c(jobs, control);
    if (!printed) return Refused{printed.error()};
    std::vector<Evaluation> evaluations;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const NecModel& m = *probes[i].model;
        auto read = readNec2cOutput((*printed)[i], requests[i], m.feed, m.boomHeightMetres.has_value());
        if (!read) return Refused{read.error()};
        const ForwardLook look = forwardLook(read->front().patterns.front());
        evaluations.push_back({read->front().feedImpedance, look.forward, look.forward - look.back});
    }
    return evaluations;
}

}  // namespace loopbeam::nec
