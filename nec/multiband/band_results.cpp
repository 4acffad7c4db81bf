#include "nec/multiband/band_results.h"

#include "nec/check/check_report.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/multiband/band_check.h"
#include "nec/multiband/spider_band_goal.h"
#include "nec/printf_text.h"
#include "nec/tuning/comparison.h"

namespace loopbeam::nec {

std::string unusedFeedsLine(const Spider& spider) {
    return "Driven loops of the bands not fed: " + std::string(rowOf(kUnusedFeeds, spider.unusedFeeds).name);
}

QuadDesign bandQuadDesign(const MultibandDesign& design, std::size_t band) {
    const BandRule& rule = design.bands.at(band);
    QuadDesign out;
    out.lockedMHz = rule.mhz;
    out.estimatedLowMHz = rule.estimatedLowMHz;
    out.estimatedHighMHz = rule.estimatedHighMHz;
    return out;
}

Outcome<std::vector<NecModel>> bandModels(const MultibandDesign& design, const Spider& spider,
                                          const CheckOptions& options) {
    std::vector<NecModel> models;
    for (std::size_t band = 0; band < design.bands.size(); ++band) {
        auto model = bandModel(design, spider, options, band);
        if (!model) return Refused{model.error()};
        models.push_back(std::move(*model));
    }
    return models;
}

std::vector<FeedAdvice> bandFeeds(const MultibandDesign& design, const std::vector<CheckResult>& results) {
    std::vector<FeedAdvice> feeds;
    for (std::size_t band = 0; band < results.size(); ++band)
        feeds.push_back(adviseFeed(results[band], design.bands.at(band).mhz, std::nullopt));
    return feeds;
}

std::vector<TextRow> bandSummaryRows(const MultibandDesign& design, std::size_t band, const CheckResult& check,
                                     const FeedAdvice& feed, const CheckResult* tuned, const FeedAdvice* tunedFeed) {
    const QuadDesign shown = bandQuadDesign(design, band);
    const bool both = tuned && tunedFeed;
    std::vector<TextRow> rows = sideBySide(summaryLines(check, shown, feed),
                                           both ? summaryLines(*tuned, shown, *tunedFeed) : std::vector<SummaryLine>{});
    rows.push_back({feedHeading(shown.lockedMHz), {}});
    std::vector<const FeedAdvice*> feeds{&feed};
    if (both) feeds.push_back(tunedFeed);
    for (TextRow& row : feedRows(feeds)) rows.push_back(std::move(row));
    return rows;
}

std::string spiderTunedLine(const SpiderTuned& tuned) {
    return printfText(
        "Tuned for %s with every loop present: %d rounds of the bands (%d nec2c solves), the last moving no loop by "
        "more than %g%%, from every loop times the wire's factor, %.6f (found once); each loop's corners stay on "
        "the arms",
        std::string(rowOf(kTuneGoals, tuned.goal).word).c_str(), tuned.rounds, tuned.solves, kSettledFraction * 100,
        tuned.wire.factor);
}

Outcome<TunedBands> tuneAndCheckBands(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                      const RunControl& control, TuneGoal goal, SweepMethod method,
                                      const CalculatedBands& calculated) {
    TunedBands out;
    if (goal == TuneGoal::Band)
        out.constraints = spiderBandConstraints(calculated.results, calculated.feeds, calculated.limits);
    RunControl searching = control;
    if (control.progress) searching.progress = [&](double f) { control.progress(kTuningShare * f); };
    auto wire = spiderWireFactor(design, spider, options, searching);
    if (!wire) return Refused{wire.error()};
    auto tuned = tuneSpiderFor(goal, design, spider, options, searching, out.constraints, *wire);
    if (!tuned) return Refused{tuned.error()};
    auto models = bandModels(design, tuned->spider, options);
    if (!models) return Refused{models.error()};
    RunControl checking = control;
    if (control.progress)
        checking.progress = [&](double f) { control.progress(kTuningShare + (1 - kTuningShare) * f); };
    auto results = checkBands(*models, checking, method);
    if (!results) return Refused{results.error()};
    holdBandFeeds(*tuned, *results, *models);
    out.tuned = std::move(*tuned);
    out.results = std::move(*results);
    return out;
}

}  // namespace loopbeam::nec
