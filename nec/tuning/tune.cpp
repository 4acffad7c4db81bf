#include "nec/tuning/tune.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "nec/check/check.h"
#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"
#include "nec/tuning/band_search.h"
#include "nec/tuning/driven_resonance.h"
#include "nec/tuning/reflector_search.h"
#include "nec/tuning/tuning_solver.h"
#include "nec/tuning/wire_factor.h"

namespace loopbeam::nec {
namespace {

// The search's share of the progress bar, and the solves it usually takes
// (measured on designs from 3.75 to 432 MHz): the wire factor's, then the goal's.
constexpr double kSearchShare = 0.5;
// Of the search's share, what the band goal's own search takes.
constexpr double kBandSearchShare = 0.7;
constexpr int kUsualWireSolves = 13, kUsualResonanceSolves = 3, kUsualFrontToBackSolves = 17;

double usualSolves(const NecModel& calculated, TuneGoal goal) {
    return (calculated.insulation ? kUsualWireSolves : 0) +
           (goal == TuneGoal::Resonance ? kUsualResonanceSolves : kUsualFrontToBackSolves);
}

// Narrower windows for the reflector once it has been found: 1% either side.
constexpr double kPassWindow = 0.01;

bool settled(double before, double after) { return std::abs(after - before) <= kSettledFraction * before; }

// Is the reflector still at its best beside the driven loop as it is now?
// Its neighbours kSettledFraction either side, side by side.
bool reflectorHolds(TuningSolver& solver, const LoopScales& scales, Window range) {
    LoopScales shorter = scales, longer = scales;
    shorter.reflector = std::max(range.low, scales.reflector * (1 - kSettledFraction));
    longer.reflector = std::min(range.high, scales.reflector * (1 + kSettledFraction));
    const auto e = solver.atLocked({scales, shorter, longer});
    return e[0].backOverForward() <= std::min(e[1].backOverForward(), e[2].backOverForward());
}

Resonant frontToBack(TuningSolver& solver, const CheckResult& check, double k) {
    const Window range{kReflectorLowest * k, kReflectorHighest * k};
    LoopScales scales{k, k, k};
    double slope = reactanceFromSweep(check, solver.lockedMHz(), k).slope;
    Window window = range;
    for (int pass = 0; pass < kTunePasses; ++pass) {
        const LoopScales before = scales;
        scales = bestReflector(solver, scales, window, range);
        const ReactanceAt at{scales.driven, solver.atLocked(scales).feedImpedance.imag(), slope, true};
        const Resonant resonant = resonantDriven(solver, scales, at, k);
        scales = resonant.scales;
        slope = resonant.slope;
        const bool moved =
            pass > 0 && !(settled(before.reflector, scales.reflector) && settled(before.driven, scales.driven));
        if (!moved && reflectorHolds(solver, scales, range)) return {scales, slope};
        window = {std::max(range.low, scales.reflector * (1 - kPassWindow)),
                  std::min(range.high, scales.reflector * (1 + kPassWindow))};
    }
    throw SearchStopped{printfText("the reflector and the driven loop still moved by more than %.2g%% after %d rounds",
                                   kSettledFraction * 100, kTunePasses)};
}

std::string tunedComment(const Tuned& t) {
    if (t.goal == TuneGoal::Band)
        return printfText("Tuned with nec2c for band: each loop and the first two spacings (wire factor %.6f)",
                          t.wire.factor);
    return printfText(
        "Tuned with nec2c for %s: reflector x%.6f, driven x%.6f, directors x%.6f of the calculated lengths "
        "(wire factor %.6f)",
        std::string(rowOf(kTuneGoals, t.goal).word).c_str(), t.scales.reflector, t.scales.driven, t.scales.directors,
        t.wire.factor);
}

// Why, as a clause: an engine's message may end with its own full stop, and
// begins with a capital that is no name ("The NEC-2 check", not "NEC-2").
std::string stopped(TuneGoal goal, std::string why) {
    if (why.ends_with('.')) why.pop_back();
    const std::size_t wordEnd = std::min(why.find(' '), why.size());
    const bool capitalised =
        !why.empty() && why[0] >= 'A' && why[0] <= 'Z' &&
        std::all_of(why.begin() + 1, why.begin() + wordEnd, [](char c) { return c >= 'a' && c <= 'z'; });
    if (capitalised) why[0] = static_cast<char>(why[0] - 'A' + 'a');
    return "Tuning for " + std::string(rowOf(kTuneGoals, goal).word) + " stopped: " + why +
           ". Nothing was tuned: the calculated lengths stand.";
}

// The feed of the lowest SWR at the locked frequency; fed directly, nothing is cut, within a tie.
FeedKind recommendedFeed(const Evaluation& e, double locked) {
    FeedKind best = FeedKind::Direct;
    const double direct = swrThrough(rowOf(kFeeds, FeedKind::Direct), e.feedImpedance, locked, locked);
    double lowest = direct - kDirectFeedTie;
    for (const FeedRow& feed : kFeeds) {
        const double swr = swrThrough(feed, e.feedImpedance, locked, locked);
        if (swr < lowest) lowest = swr, best = feed.key;
    }
    return best;
}

}  // namespace

std::string tunedFileStem(const std::string& checkStem, TuneGoal goal) {
    return checkStem + "-tuned-" + std::string(rowOf(kTuneGoals, goal).word);
}

int solveBudget(TuneGoal goal) {
    // The reflector's search, the driven loop's resonance and the probe of the reflector's two neighbours.
    constexpr int kPass = kReflectorSolves + kResonanceSolves + 2;
    return kWireFactorSolves + (goal == TuneGoal::Resonance ? kResonanceSolves : kTunePasses * kPass);
}

Outcome<Tuned> tune(const NecModel& calculated, const CheckResult& check, TuneGoal goal, const RunControl& control,
                    const BandLimits& limits, bool withWireFactor) {
    double reported = 0;
    const auto report = [&](double fraction) {
        if (control.progress && fraction > reported) control.progress(reported = fraction);
    };
    Tuned tuned;
    tuned.goal = goal;
    try {
        TuningSolver solver(calculated, control, solveBudget(goal), [&](int solves) {
            // The band goal's front-to-back rounds take the first part of the search's share.
            report(kSearchShare * (goal == TuneGoal::Band ? 1 - kBandSearchShare : 1) *
                   std::min(0.95, solves / usualSolves(calculated, goal)));
        });
        if (withWireFactor) tuned.wire = wireFactor(solver);
        const double k = tuned.wire.factor;
        const double locked = solver.lockedMHz();
        // The band goal starts from front-to-back's result too.
        const Resonant resonant = goal == TuneGoal::Resonance
                                      ? resonantDriven(solver, {k, k, k}, reactanceFromSweep(check, locked, k), k)
                                      : frontToBack(solver, check, k);
        tuned.scales = resonant.scales;
        tuned.reactanceSlope = resonant.slope;
        if (goal == TuneGoal::Band) {
            tuned.bandFeed = limits.feed.value_or(recommendedFeed(solver.atLocked(LoopScales{k, k, k}), locked));
            tuned.maxSwr = limits.maxSwr;
            tuned.leastGainDbi = check.band.gainDbi.value - kBandGainGiven;
            const BandConstraints constraints{tuned.bandFeed, tuned.maxSwr, tuned.leastGainDbi};
            const double before = kSearchShare * (1 - kBandSearchShare);
            const BandFound found =
                bestOverBand(calculated, scaledLayout(calculated, {k, k, k}),
                             {scaledLayout(calculated, {k, k, k}), scaledLayout(calculated, tuned.scales)}, constraints,
                             control, [&](int evaluations) {
                                 report(before + kSearchShare * kBandSearchShare *
                                                     std::min(0.95, evaluations / (2.0 * kBandEvaluationsPerStart)));
                             });
            tuned.layout = found.layout;
            tuned.evaluations = found.evaluations;
        }
        tuned.solves = solver.solves();
    } catch (const SearchStopped& stop) {
        if (stop.why == kCancelledMessage) return refuse(kCancelledMessage);
        return refuse(stopped(goal, stop.why));
    } catch (const std::exception& error) {  // Boost's own, should its iterations fail
        return refuse(stopped(goal, error.what()));
    }

    auto model =
        goal == TuneGoal::Band ? relaidModel(calculated, *tuned.layout) : scaledModel(calculated, tuned.scales);
    if (!model) return refuse(stopped(goal, model.error().message));
    tuned.model = std::move(*model);
    tuned.model.comments.push_back(tunedComment(tuned));
    RunControl last = control;
    last.progress = [&](double fraction) { report(kSearchShare + (1 - kSearchShare) * fraction); };
    auto result = runCheck(tuned.model, last, check.swept.method);  // as the calculated design was checked
    if (!result)
        return refuse(result.error().message == kCancelledMessage ? kCancelledMessage
                                                                  : stopped(goal, result.error().message));
    tuned.check = std::move(*result);
    if (goal == TuneGoal::Band) {
        // The band's figures through the feed held over the search, proved by the full check.
        tuned.check.bandFeed = tuned.bandFeed;
        tuned.check.bandFeedHeld = true;
        tuned.check.band = bandOf(tuned.check.sweep, tuned.model.sweep, tuned.bandFeed);
        tuned.missed = missedConstraints(tuned.check.band, {tuned.bandFeed, tuned.maxSwr, tuned.leastGainDbi});
        tuned.feasible = tuned.missed.empty();
        return tuned;
    }

    const double locked = calculated.sweep.locked();
    const auto at = std::find_if(tuned.check.sweep.begin(), tuned.check.sweep.end(),
                                 [&](const FrequencyPoint& p) { return p.mhz == locked; });
    if (at == tuned.check.sweep.end() || !(std::abs(at->feedImpedance.imag()) <= kTunedReactanceOhms))
        return refuse(stopped(goal, printfText("the tuned design's check does not show resonance at %g MHz (X = %.2f "
                                               "ohm, at most %g wanted)",
                                               locked, at == tuned.check.sweep.end() ? NAN : at->feedImpedance.imag(),
                                               kTunedReactanceOhms)));
    return tuned;
}

}  // namespace loopbeam::nec
