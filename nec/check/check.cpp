#include "nec/check/check.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "nec/check/check_summary.h"
#include "nec/check/feed_advice.h"
#include "nec/check/feed_match.h"
#include "nec/check/pattern_figures.h"
#include "nec/check/reference_dipole.h"
#include "nec/check/sweep_progress.h"
#include "nec/choice_table.h"
#include "nec/engine/engine_solver.h"
#include "nec/engine/forward_look.h"
#include "nec/fit/adaptive_sweep.h"
#include "nec/model/deck_writer.h"

namespace loopbeam::nec {

namespace {

// A fit usually settles within this many solves (16 to 26 for the designs
// the program calculates, the band's 11 among them, 34 for 25 elements).
constexpr double kUsualFitSolves = 20;

std::vector<FrequencyRequest> requestsOf(const SweepPlan& plan) {
    std::vector<FrequencyRequest> requests;
    for (std::size_t i = 0; i < plan.mhz.size(); ++i) requests.push_back({plan.mhz[i], i == plan.lockedIndex});
    return requests;
}

FrequencyPoint impedancePoint(std::complex<double> z, double mhz, double lockedMHz) {
    FrequencyPoint p;
    p.mhz = mhz;
    p.feedImpedance = z;
    p.swrThroughSection = swr(throughMatchingSection(z, mhz, lockedMHz));
    p.swrDirect = swr(z);
    p.forwardGainDbi = p.frontToBackDb = p.frontToRearDb = p.elevationDegrees = NAN;
    p.solved = false;
    return p;
}

FrequencyPoint solvedPoint(const FrequencyOutput& out, double mhz, double lockedMHz) {
    const ForwardLook look = forwardLook(out);
    FrequencyPoint p = impedancePoint(out.feedImpedance, mhz, lockedMHz);
    p.forwardGainDbi = look.forward;
    p.frontToBackDb = look.frontToBackDb();
    p.frontToRearDb = look.frontToRearDb();
    p.elevationDegrees = std::round((90 - look.theta) * 100) / 100;  // theta printed to 0.01 degree
    p.solved = true;
    return p;
}

std::vector<PatternPoint> azimuthPattern(const std::vector<Direction>& pattern) {
    const double theta = forwardLook(pattern).theta;
    std::vector<PatternPoint> points;
    for (const Direction& d : pattern)
        if (d.theta == theta) points.push_back({d.phi, d.gainDbi});
    return points;
}

// Solved first by a fit, the band's patterns all in the first round; the direct sweep holds them too.
std::vector<double> solvedFirst(const SweepPlan& plan) {
    std::vector<double> first{plan.locked(), plan.lowEdge(), plan.highEdge()};
    for (double f : bandFrequencies(plan.band))
        if (std::binary_search(plan.mhz.begin(), plan.mhz.end(), f)) first.push_back(f);
    std::sort(first.begin(), first.end());
    first.erase(std::unique(first.begin(), first.end()), first.end());
    return first;
}

// Solves taken from the direct sweep's frequencies where they serve, for a
// fallback to reuse.
AdaptiveSweepRequest fitRequest(const SweepPlan& plan, unsigned processes) {
    AdaptiveSweepRequest request;
    request.outputMHz = plan.mhz;
    request.mustSolveMHz = solvedFirst(plan);
    request.solvesPerRound = processes;
    const SweepPlan direct = directPlan(plan);
    for (double f : plan.mhz)
        if (std::binary_search(direct.mhz.begin(), direct.mhz.end(), f)) request.reusableMHz.push_back(f);
    return request;
}

}  // namespace

// The band's worst over the sweep: the patterns where solved, the SWR
// through the feed recommended at the locked frequency everywhere.
BandFigures bandOf(const std::vector<FrequencyPoint>& sweep, const SweepPlan& plan, FeedKind feed) {
    std::vector<BandSample> samples;
    for (const FrequencyPoint& p : sweep)
        samples.push_back({p.mhz, p.forwardGainDbi, p.frontToBackDb, p.frontToRearDb,
                           swrThrough(rowOf(kFeeds, feed), p.feedImpedance, p.mhz, plan.locked())});
    return bandFigures(plan.band, samples);
}

std::size_t mostSolves(const NecModel& model, SweepMethod method) {
    if (method == SweepMethod::SolveEveryPoint) return model.sweep.mhz.size();
    return kMaxFitSolves + directPlan(model.sweep).mhz.size() - solvedFirst(model.sweep).size();
}

std::string wholeDeck(const NecModel& model) { return writeDeck(model, requestsOf(directPlan(model.sweep))); }

Outcome<CheckResult> runCheck(const NecModel& model, const RunControl& control, SweepMethod method) {
    const bool fitted = method == SweepMethod::Fitted;
    SweepProgress progress(control.progress, fitted ? kUsualFitSolves : static_cast<double>(model.sweep.mhz.size()));
    EngineSolver solver(model, control, [&](double solves) { progress.solved(solves); });
    CheckResult result;
    result.segments = model.totalSegments();
    result.swept.method = method;
    SweepPlan plan = model.sweep;
    std::vector<std::complex<double>> impedance;
    if (fitted) {
        auto fit = adaptiveSweep(fitRequest(plan, solver.processes()), std::ref(solver));
        if (!fit) return Refused{fit.error()};
        result.swept.fitSolves = fit->solved.size();
        if (fit->converged) {
            impedance = std::move(fit->impedance);
        } else {
            result.swept.fellBack = true;
            plan = directPlan(model.sweep);
            const auto unsolved =
                std::count_if(plan.mhz.begin(), plan.mhz.end(), [&](double f) { return !solver.outputs().count(f); });
            progress.expect(static_cast<double>(solver.outputs().size()), static_cast<double>(unsolved));
        }
    }
    if (impedance.empty()) {
        auto solved = solver(plan.mhz);
        if (!solved) return Refused{solved.error()};
        impedance = std::move(*solved);
    }

    const double locked = plan.locked();
    for (std::size_t i = 0; i < plan.mhz.size(); ++i) {
        const auto out = solver.outputs().find(plan.mhz[i]);
        result.sweep.push_back(out != solver.outputs().end() ? solvedPoint(out->second, plan.mhz[i], locked)
                                                             : impedancePoint(impedance[i], plan.mhz[i], locked));
    }
    const FrequencyOutput& atLocked = solver.outputs().at(locked);
    result.azimuthPattern = azimuthPattern(atLocked.patterns.front());
    result.elevationPattern = elevationPlane(withFineWindow(atLocked.patterns.back(), atLocked.fine));
    result.swept.solves = solver.outputs().size();
    result.summary = summarise(result.sweep, plan);
    result.bandFeed = adviseFeed(result, locked, std::nullopt).recommended;
    result.band = bandOf(result.sweep, plan, result.bandFeed);
    auto dipole = dipoleGainDbi(model, control);
    if (!dipole) return Refused{dipole.error()};
    result.dipoleGainDbi = *dipole;
    progress.finished();
    return result;
}

}  // namespace loopbeam::nec
