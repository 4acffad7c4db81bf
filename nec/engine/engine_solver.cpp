#include "nec/engine/engine_solver.h"

#include <algorithm>

#include "nec/engine/engine_run.h"
#include "nec/engine/model_job.h"
#include "nec/engine/output_bounds.h"

namespace loopbeam::nec {
namespace {

// Over the sweep's +-5% the take-off moves little: the window around a neighbour's.
constexpr double kNeighbourWindowDegrees = 5;

}  // namespace

EngineSolver::EngineSolver(const NecModel& model, RunControl control, std::function<void(double)> solved,
                           Solving solving)
    : model_(model),
      control_(std::move(control)),
      solved_(std::move(solved)),
      solving_(solving),
      band_(bandFrequencies(model.sweep.band)) {
    control_.progress = nullptr;
}

Outcome<std::vector<std::complex<double>>> EngineSolver::operator()(std::span<const double> mhz) {
    const double locked = model_.sweep.locked();
    const bool figures = solving_ == Solving::Figures;
    std::vector<FrequencyRequest> requests;
    for (double f : mhz)
        if (!outputs_.count(f) &&
            std::none_of(requests.begin(), requests.end(), [f](const FrequencyRequest& r) { return r.mhz == f; }))
            requests.push_back({f, figures && f == locked,
                                figures && (f == locked || std::binary_search(band_.begin(), band_.end(), f))});

    if (!requests.empty()) {
        const std::size_t count = std::min<std::size_t>(processes(), requests.size());
        // Over ground, the lobe is looked for finely where a solved neighbour has it.
        if (model_.boomHeightMetres && !outputs_.empty())
            for (FrequencyRequest& r : requests) {
                auto near = outputs_.lower_bound(r.mhz);
                if (near == outputs_.end() ||
                    (near != outputs_.begin() && r.mhz - std::prev(near)->first < near->first - r.mhz))
                    near = std::prev(near);
                r.refine = windowAround(gridTakeOff(near->second), kNeighbourWindowDegrees);
            }
        std::vector<ModelRequests> jobs;
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t first = k * requests.size() / count, last = (k + 1) * requests.size() / count;
            jobs.push_back({&model_, {requests.begin() + first, requests.begin() + last}});
        }
        RunControl control = control_;
        const double before = static_cast<double>(outputs_.size()), batch = static_cast<double>(requests.size());
        if (solved_) control.progress = [&](double fraction) { solved_(before + fraction * batch); };
        auto solved = solveModels(jobs, control);
        if (!solved) return Refused{solved.error()};
        std::map<double, FrequencyOutput> read;
        for (std::size_t k = 0; k < jobs.size(); ++k)
            for (std::size_t i = 0; i < jobs[k].requests.size(); ++i)
                read[jobs[k].requests[i].mhz] = std::move((*solved)[k][i]);
        std::vector<double> reactances;
        for (const auto* solved : {&outputs_, &read})
            for (const auto& [mhz, out] : *solved) reactances.push_back(out.feedImpedance.imag());
        if (const auto never = reactanceNeverChanges(reactances)) return refuse(notBelieved("", *never));
        outputs_.merge(read);  // all of a batch or none of it
    }

    std::vector<std::complex<double>> impedances;
    for (double f : mhz) impedances.push_back(outputs_.at(f).feedImpedance);
    return impedances;
}

}  // namespace loopbeam::nec
