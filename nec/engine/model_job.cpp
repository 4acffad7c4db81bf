#include "nec/engine/model_job.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "nec/engine/forward_look.h"
#include "nec/model/deck_writer.h"
#include "nec/model/run_cost.h"
#include "nec/model/segment_rule.h"

namespace loopbeam::nec {

namespace {

// The true peak lies within a grid step of the grid's: a window this wide around it holds it.
constexpr double kAroundGridPeakDegrees = 1.5;

// A horizontal wire at height h over a flat mirror peaks where sin(elevation)
// = wavelength / 4h; real soil and the boom's own pattern move it, so the
// window is wide, and wider the higher the angle.
ElevationWindow guessedWindow(const NecModel& model, double mhz) {
    const double sine = std::min(1.0, kSpeedOfLightMetresMHz / mhz / (4 * *model.boomHeightMetres));
    const double degrees = std::asin(sine) * 180 / std::numbers::pi;
    return windowAround(degrees, std::max(6.0, degrees / 2));
}

std::vector<FrequencyRequest> withWindows(const NecModel& model, std::span<const FrequencyRequest> requests) {
    std::vector<FrequencyRequest> out(requests.begin(), requests.end());
    if (model.boomHeightMetres)
        for (FrequencyRequest& r : out)
            if (!r.refine) r.refine = guessedWindow(model, r.mhz);
    return out;
}

// The grid's peak lies inside the window, a grid step from its ends (or at an end that is 0 or 90 degrees).
bool windowHoldsLobe(const ElevationWindow& w, double peak) {
    return (w.fromDegrees == 0 || w.fromDegrees <= peak - kElevationStepDegrees) &&
           (w.toDegrees == 90 || peak + kElevationStepDegrees <= w.toDegrees);
}

// A grid a degree apart reads a narrow lobe low, by some 1.2 dB for a boom
// ten wavelengths up: the grid's peak elsewhere may hide a higher lobe than
// the window found.
constexpr double kGridUnderreadsDb = 1.5;

bool gridMayPeakHigher(const FrequencyOutput& output) {
    return forwardLook(output.patterns.front()).forward > forwardLook(output.fine).forward - kGridUnderreadsDb;
}

}  // namespace

double gridTakeOff(const FrequencyOutput& output) { return 90 - forwardLook(output.patterns.front()).theta; }

EngineJob jobFor(const NecModel& model, std::span<const FrequencyRequest> requests) {
    const std::vector<FrequencyRequest> asked = withWindows(model, requests);
    return {writeDeck(model, asked), requests.size(),
            timeoutSeconds(model.totalSegments(), requests.size(), model.boomHeightMetres.has_value())};
}

Outcome<std::vector<std::vector<FrequencyOutput>>> solveModels(const std::vector<ModelRequests>& jobs,
                                                               const RunControl& control) {
    std::vector<EngineJob> decks;
    for (const ModelRequests& job : jobs) decks.push_back(jobFor(*job.model, job.requests));
    auto printed = runNec2c(decks, control);
    if (!printed) return Refused{printed.error()};
    std::vector<std::vector<FrequencyOutput>> outputs;
    struct Missed {
        std::size_t job;
        std::vector<std::size_t> at;  // in the job's requests
        std::vector<FrequencyRequest> requests;
    };
    std::vector<Missed> missed;  // the frequencies whose lobe the window did not hold
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        const std::vector<FrequencyRequest> asked = withWindows(*jobs[k].model, jobs[k].requests);
        auto read = readJob((*printed)[k], *jobs[k].model, asked);
        if (!read) return Refused{read.error()};
        Missed miss{k, {}, {}};
        for (std::size_t i = 0; i < asked.size(); ++i) {
            if (!asked[i].refine) continue;
            const double peak = gridTakeOff((*read)[i]);
            if (windowHoldsLobe(*asked[i].refine, peak) || !gridMayPeakHigher((*read)[i])) continue;
            miss.at.push_back(i);
            miss.requests.push_back(asked[i]);
            miss.requests.back().refine = windowAround(peak, kAroundGridPeakDegrees);
            miss.requests.back().wholeAzimuth = miss.requests.back().rearHalf = false;  // only the window is read again
        }
        if (!miss.at.empty()) missed.push_back(std::move(miss));
        outputs.push_back(std::move(*read));
    }
    if (missed.empty()) return outputs;
    RunControl quiet = control;
    quiet.progress = nullptr;  // the bar has counted these frequencies once
    std::vector<EngineJob> more;
    for (const Missed& miss : missed) more.push_back(jobFor(*jobs[miss.job].model, miss.requests));
    auto reprinted = runNec2c(more, quiet);
    if (!reprinted) return Refused{reprinted.error()};
    for (std::size_t m = 0; m < missed.size(); ++m) {
        auto read = readJob((*reprinted)[m], *jobs[missed[m].job].model, missed[m].requests);
        if (!read) return Refused{read.error()};
        for (std::size_t i = 0; i < missed[m].at.size(); ++i) {
            std::vector<Direction>& fine = outputs[missed[m].job][missed[m].at[i]].fine;
            fine.insert(fine.end(), (*read)[i].fine.begin(), (*read)[i].fine.end());  // both lobes are candidates
        }
    }
    return outputs;
}

Outcome<std::vector<FrequencyOutput>> readJob(std::string_view printed, const NecModel& model,
                                              std::span<const FrequencyRequest> requests) {
    return readNec2cOutput(printed, withWindows(model, requests), model.feed, model.boomHeightMetres.has_value());
}

}  // namespace loopbeam::nec
