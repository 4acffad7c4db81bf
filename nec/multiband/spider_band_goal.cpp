#include "nec/multiband/spider_band_goal.h"

#include <algorithm>
#include <cmath>

#include "nec/check/check.h"
#include "nec/multiband/band_check.h"
#include "nec/printf_text.h"
#include "nec/tuning/tuning_solver.h"

namespace loopbeam::nec {
namespace {

// Of the progress: front-to-back's rounds first, then the band's searches
// (usually a first round and two later ones).
constexpr double kStartShare = 0.3;
constexpr double kUsualLaterRounds = 2;

// A band's two loops as scales of their lengths in the spider given.
class BandLoops {
public:
    BandLoops(const Spider& reference, std::size_t band)
        : reflector_(loopIndex(reference, band, false)),
          driven_(loopIndex(reference, band, true)),
          reflectorMetres_(reference.loops[reflector_].perimeterMetres),
          drivenMetres_(reference.loops[driven_].perimeterMetres) {}

    std::vector<double> of(const Spider& spider) const {
        return {spider.loops[reflector_].perimeterMetres / reflectorMetres_,
                spider.loops[driven_].perimeterMetres / drivenMetres_};
    }

    Spider resized(Spider spider, const std::vector<double>& x) const {
        resizeLoop(spider, reflector_, x[0] * reflectorMetres_);
        resizeLoop(spider, driven_, x[1] * drivenMetres_);
        return spider;
    }

private:
    std::size_t reflector_, driven_;
    double reflectorMetres_, drivenMetres_;
};

double largestMove(const Spider& before, const Spider& after) {
    double moved = 0;
    for (std::size_t i = 0; i < before.loops.size(); ++i)
        moved = std::max(moved, std::abs(after.loops[i].perimeterMetres - before.loops[i].perimeterMetres) /
                                    before.loops[i].perimeterMetres);
    return moved;
}

}  // namespace

std::vector<BandConstraints> spiderBandConstraints(const std::vector<CheckResult>& calculated,
                                                   const std::vector<FeedAdvice>& feeds, const BandLimits& limits) {
    std::vector<BandConstraints> out;
    for (std::size_t band = 0; band < calculated.size(); ++band)
        out.push_back({limits.feed.value_or(feeds.at(band).recommended), limits.maxSwr,
                       calculated[band].band.gainDbi.value - kBandGainGiven});
    return out;
}

Outcome<SpiderTuned> tuneSpiderForBand(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                       const RunControl& control, const std::vector<BandConstraints>& constraints) {
    RunControl start = control;
    if (control.progress) start.progress = [&](double f) { control.progress(kStartShare * f); };
    auto tuned = tuneSpider(design, spider, options, start, TuneGoal::FrontToBack);
    if (!tuned) return tuned;
    tuned->goal = TuneGoal::Band;
    tuned->startRounds = tuned->rounds;
    tuned->rounds = 0;
    tuned->bandGoal.assign(design.bands.size(), {});
    const std::size_t bands = design.bands.size();
    const double usual =
        static_cast<double>(bands) * (kSpiderBandFirstEvaluations + kUsualLaterRounds * kSpiderBandLaterEvaluations);
    double moved = INFINITY;
    while (moved > kSettledFraction) {
        if (tuned->rounds == kMostRounds)
            return refuse(
                printfText("Tuning for band: the bands' loops had not settled after %d rounds: the last moved a "
                           "loop by %.3g%%, more than %g%%.",
                           kMostRounds, moved * 100, kSettledFraction * 100));
        const bool first = ++tuned->rounds == 1;
        const Spider before = tuned->spider;
        for (std::size_t band = 0; band < bands; ++band) {
            const BandLoops loops(spider, band);
            const Spider& now = tuned->spider;
            const double step = first ? kSpiderBandFirstStep : kSpiderBandLaterStep;
            const BandSpace space{
                [&](const std::vector<double>& x) { return bandModel(design, loops.resized(now, x), options, band); },
                std::vector<double>(2, 1 - kBandLengthReach), std::vector<double>(2, 1 + kBandLengthReach),
                std::vector<double>(2, step), first ? 0 : kSpiderBandLaterGainDb};
            const int spentBefore = tuned->evaluations;
            const auto spent = [&](int evaluations) {
                if (control.progress)
                    control.progress(kStartShare +
                                     (1 - kStartShare) * std::min(0.95, (spentBefore + evaluations) / usual));
            };
            try {
                const BandPoint best =
                    bestInSpace(space, {loops.of(now)}, constraints.at(band),
                                first ? kSpiderBandFirstEvaluations : kSpiderBandLaterEvaluations, control, spent);
                tuned->evaluations += best.evaluations;
                tuned->solves += best.evaluations * static_cast<int>(kBandFrequencies);
                tuned->spider = loops.resized(now, best.x);
                tuned->bandGoal[band] = {constraints[band], best.figures, best.missed};
            } catch (const SearchStopped& stopped) {
                if (stopped.why == kCancelledMessage) return refuse(kCancelledMessage);
                return refuse(
                    printfText("Tuning for band at %g MHz with every loop present: ", design.bands[band].mhz) +
                    stopped.why);
            }
        }
        moved = largestMove(before, tuned->spider);
    }
    return tuned;
}

Outcome<WireFactor> spiderWireFactor(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                     const RunControl& control) {
    if (!options.insulation) return WireFactor{};
    auto lowest = bandModel(design, spider, options, 0);
    if (!lowest) return Refused{lowest.error()};
    try {
        TuningSolver solver(*lowest, control, kWireFactorSolves, nullptr);
        return wireFactor(solver);
    } catch (const SearchStopped& stopped) {
        if (stopped.why == kCancelledMessage) return refuse(kCancelledMessage);
        return refuse("The wire's factor, at " + printfText("%g MHz: ", design.bands.front().mhz) + stopped.why);
    }
}

Outcome<SpiderTuned> tuneSpiderFor(TuneGoal goal, const MultibandDesign& design, const Spider& spider,
                                   const CheckOptions& options, const RunControl& control,
                                   const std::vector<BandConstraints>& constraints, const WireFactor& wire) {
    Spider start = spider;
    for (std::size_t i = 0; i < start.loops.size(); ++i)
        resizeLoop(start, i, start.loops[i].perimeterMetres * wire.factor);
    auto tuned = goal == TuneGoal::Band ? tuneSpiderForBand(design, start, options, control, constraints)
                                        : tuneSpider(design, start, options, control, goal);
    if (tuned) tuned->wire = wire;
    return tuned;
}

void holdBandFeeds(SpiderTuned& tuned, std::vector<CheckResult>& checks, const std::vector<NecModel>& models) {
    for (std::size_t band = 0; band < tuned.bandGoal.size() && band < checks.size(); ++band) {
        SpiderBandGoal& goal = tuned.bandGoal[band];
        CheckResult& check = checks[band];
        check.bandFeed = goal.limits.feed;
        check.bandFeedHeld = true;
        check.band = bandOf(check.sweep, models.at(band).sweep, goal.limits.feed);
        goal.figures = check.band;
        goal.missed = missedConstraints(check.band, goal.limits);
    }
}

std::string missedText(const MultibandDesign& design, const SpiderTuned& tuned) {
    std::string out;
    for (std::size_t band = 0; band < tuned.bandGoal.size(); ++band)
        for (const std::string& missed : tuned.bandGoal[band].missed)
            out += (out.empty() ? "" : "; ") + printfText("at %g MHz ", design.bands[band].mhz) + missed;
    return out;
}

}  // namespace loopbeam::nec
