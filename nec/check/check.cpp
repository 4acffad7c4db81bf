#include "nec/check/check.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <thread>

#include "nec/check/check_summary.h"
#include "nec/check/feed_match.h"
#include "nec/check/forward_look.h"
#include "nec/check/pattern_figures.h"
#include "nec/engine/engine_run.h"
#include "nec/engine/nec2c_output.h"
#include "nec/model/deck_writer.h"
#include "nec/model/run_cost.h"

namespace loopbeam::nec {

namespace {

std::vector<FrequencyRequest> requestsOf(const SweepPlan& plan) {
    std::vector<FrequencyRequest> requests;
    for (std::size_t i = 0; i < plan.mhz.size(); ++i) requests.push_back({plan.mhz[i], i == plan.lockedIndex});
    return requests;
}

// Contiguous runs of frequencies of nearly equal size, one per process.
std::vector<std::span<const FrequencyRequest>> chunks(const std::vector<FrequencyRequest>& all, unsigned wanted) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t count = std::min<std::size_t>(wanted ? wanted : cores, all.size());
    std::vector<std::span<const FrequencyRequest>> parts;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t first = k * all.size() / count, last = (k + 1) * all.size() / count;
        parts.emplace_back(all.data() + first, last - first);
    }
    return parts;
}

FrequencyPoint pointOf(const FrequencyOutput& out, double mhz, double lockedMHz) {
    const ForwardLook look = forwardLook(out.patterns.front());
    FrequencyPoint p;
    p.mhz = mhz;
    p.feedImpedance = out.feedImpedance;
    p.swrThroughSection = swr(throughMatchingSection(out.feedImpedance, mhz, lockedMHz));
    p.swrDirect = swr(out.feedImpedance);
    p.forwardGainDbi = look.forward;
    p.frontToBackDb = std::round((look.forward - look.back) * 100) / 100;  // both printed to 0.01 dB
    p.elevationDegrees = 90 - look.theta;
    return p;
}

std::vector<PatternPoint> azimuthPattern(const std::vector<Direction>& pattern) {
    const double theta = forwardLook(pattern).theta;
    std::vector<PatternPoint> points;
    for (const Direction& d : pattern)
        if (d.theta == theta) points.push_back({d.phi, d.gainDbi});
    return points;
}

}  // namespace

std::string wholeDeck(const NecModel& model) { return writeDeck(model, requestsOf(model.sweep)); }

Outcome<CheckResult> runCheck(const NecModel& model, const RunControl& control) {
    const std::vector<FrequencyRequest> requests = requestsOf(model.sweep);
    const auto parts = chunks(requests, control.parallelRuns);
    const bool overGround = model.boomHeightMetres.has_value();
    std::vector<EngineJob> jobs;
    for (const auto& part : parts)
        jobs.push_back(
            {writeDeck(model, part), part.size(), timeoutSeconds(model.totalSegments(), part.size(), overGround)});

    auto outputs = runNec2c(jobs, control);
    if (!outputs) return Refused{outputs.error()};

    CheckResult result;
    result.segments = model.totalSegments();
    const double locked = model.sweep.mhz[model.sweep.lockedIndex];
    for (std::size_t k = 0; k < parts.size(); ++k) {
        auto read = readNec2cOutput((*outputs)[k], parts[k], model.feed, overGround);
        if (!read) return Refused{read.error()};
        for (std::size_t i = 0; i < read->size(); ++i) {
            const FrequencyRequest& request = parts[k][i];
            const FrequencyOutput& out = (*read)[i];
            result.sweep.push_back(pointOf(out, request.mhz, locked));
            if (!request.wholeAzimuth) continue;
            result.azimuthPattern = azimuthPattern(out.patterns.front());
            result.elevationPattern = elevationPlane(out.patterns.back());
        }
    }
    result.summary = summarise(result.sweep, model.sweep);
    return result;
}

}  // namespace loopbeam::nec
