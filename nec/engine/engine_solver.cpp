#include "nec/engine/engine_solver.h"

#include <algorithm>
#include <thread>

#include "nec/engine/engine_run.h"
#include "nec/model/deck_writer.h"
#include "nec/model/run_cost.h"

namespace loopbeam::nec {

EngineSolver::EngineSolver(const NecModel& model, RunControl control) : model_(model), control_(std::move(control)) {
    // The fraction of one batch would read as the whole sweep's.
    control_.progress = nullptr;
}

unsigned EngineSolver::processes() const {
    return control_.parallelRuns ? control_.parallelRuns : std::max(1u, std::thread::hardware_concurrency());
}

Outcome<std::vector<std::complex<double>>> EngineSolver::operator()(std::span<const double> mhz) {
    const double locked = model_.sweep.mhz[model_.sweep.lockedIndex];
    std::vector<FrequencyRequest> requests;
    for (double f : mhz) requests.push_back({f, f == locked});
    const bool overGround = model_.boomHeightMetres.has_value();

    // Contiguous runs of nearly equal size, one per process.
    const std::size_t count = std::min<std::size_t>(processes(), requests.size());
    std::vector<std::span<const FrequencyRequest>> parts;
    std::vector<EngineJob> jobs;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t first = k * requests.size() / count, last = (k + 1) * requests.size() / count;
        parts.emplace_back(requests.data() + first, last - first);
        jobs.push_back({writeDeck(model_, parts.back()), parts.back().size(),
                        timeoutSeconds(model_.totalSegments(), parts.back().size(), overGround)});
    }
    auto printed = runNec2c(jobs, control_);
    if (!printed) return Refused{printed.error()};

    std::vector<std::complex<double>> impedances;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        auto read = readNec2cOutput((*printed)[k], parts[k], model_.feed, overGround);
        if (!read) return Refused{read.error()};
        for (std::size_t i = 0; i < read->size(); ++i) {
            impedances.push_back((*read)[i].feedImpedance);
            outputs_[parts[k][i].mhz] = std::move((*read)[i]);
        }
    }
    return impedances;
}

}  // namespace loopbeam::nec
