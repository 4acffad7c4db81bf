#pragma once
// What a front end makes of a spider's check and tuning, band by band, so
// that the command line and the window say the same: each band's models, its
// feed advice, its summary rows, and the tuning followed by the tuned check.

#include <string>
#include <vector>

#include "nec/check/check.h"
#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/multiband/spider_tuning.h"
#include "nec/text_table.h"

namespace loopbeam::nec {

// "Driven loops of the bands not fed: closed loops", for every header of a band's results.
std::string unusedFeedsLine(const Spider& spider);

// What the single-band summary reads of a band: its frequency and estimated range.
QuadDesign bandQuadDesign(const MultibandDesign& design, std::size_t band);

// A model a band, its own driven loop fed.
Outcome<std::vector<NecModel>> bandModels(const MultibandDesign& design, const Spider& spider,
                                          const CheckOptions& options);

// Each band's feed advice at its own centre; a band has a feed line of its own, of no cable chosen.
std::vector<FeedAdvice> bandFeeds(const MultibandDesign& design, const std::vector<CheckResult>& results);

// A band's summary as the check's, the tuned band's column beside it once tuned, then its feed.
std::vector<TextRow> bandSummaryRows(const MultibandDesign& design, std::size_t band, const CheckResult& check,
                                     const FeedAdvice& feed, const CheckResult* tuned, const FeedAdvice* tunedFeed);

// "Tuned for resonance with every loop present: 2 rounds of the bands (18
// nec2c solves), the last moving no loop by more than 0.05%, ..."
std::string spiderTunedLine(const SpiderTuned& tuned);

struct TunedBands {
    SpiderTuned tuned;                         // with each band's misses of the band goal's constraints
    std::vector<CheckResult> results;          // a band each, checked as the calculated spider was
    std::vector<BandConstraints> constraints;  // the band goal's, a band each
};

// What the band goal holds each band to: the calculated spider's checks and
// feeds, and the SWR limit and feed asked.
struct CalculatedBands {
    const std::vector<CheckResult>& results;
    const std::vector<FeedAdvice>& feeds;
    BandLimits limits;
};

// Of the progress, the tuning's share; the tuned check has the rest.
inline constexpr double kTuningShare = 0.9;

// The wire's factor found once, the spider tuned for the goal, then every
// band checked again (for the band goal, through the feeds its search held).
Outcome<TunedBands> tuneAndCheckBands(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                      const RunControl& control, TuneGoal goal, SweepMethod method,
                                      const CalculatedBands& calculated);

}  // namespace loopbeam::nec
