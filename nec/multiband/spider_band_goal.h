#pragma once
// The band goal on the spider: each band's reflector and driven loop for the
// highest lowest F/R over its own estimated range, its SWR through one feed
// and its gain held (the single band's search, nec/tuning/band_search.h),
// with every loop present, band after band, from front-to-back's rounds; then
// rounds until no loop moves by more than kSettledFraction. The spacing
// follows from the one arm angle and is not varied.

#include <vector>

#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/model/nec_model.h"
#include "nec/multiband/spider_tuning.h"
#include "nec/tuning/tune.h"

namespace loopbeam::nec {

// COBYLA's budget and first step for each band: the first round searches,
// the later ones only follow what the other bands' moves changed.
inline constexpr int kSpiderBandFirstEvaluations = 30, kSpiderBandLaterEvaluations = 12;
inline constexpr double kSpiderBandFirstStep = 0.02, kSpiderBandLaterStep = 0.005;
// In the later rounds, what a move must gain in the band's lowest F/R.
inline constexpr double kSpiderBandLaterGainDb = 0.05;

// Each band's constraints: the SWR through limits.feed, else through the
// feed its calculated check recommends; the gain within kBandGainGiven of
// its calculated check's lowest.
std::vector<BandConstraints> spiderBandConstraints(const std::vector<CheckResult>& calculated,
                                                   const std::vector<FeedAdvice>& feeds, const BandLimits& limits);

// A constraint a band missed is no refusal: the least violating lengths come
// back, each band's misses with them.
Outcome<SpiderTuned> tuneSpiderForBand(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                       const RunControl& control, const std::vector<BandConstraints>& constraints);

// The wire's factor, found once for every band: on the lowest band's driven
// loop, as a single band finds it (1 for bare wire, without a solve).
Outcome<WireFactor> spiderWireFactor(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                     const RunControl& control);

// The goal's tuning of the spider from every loop times the wire's factor;
// constraints only for the band goal.
Outcome<SpiderTuned> tuneSpiderFor(TuneGoal goal, const MultibandDesign& design, const Spider& spider,
                                   const CheckOptions& options, const RunControl& control,
                                   const std::vector<BandConstraints>& constraints, const WireFactor& wire = {});

// The tuned spider's full checks judged through the feeds the search held, and
// each band's misses taken again from them, as the single band's are.
void holdBandFeeds(SpiderTuned& tuned, std::vector<CheckResult>& checks, const std::vector<NecModel>& models);

// "At 21.2 MHz the band's highest SWR ... is above 2; ...", or empty when every band met its constraints.
std::string missedText(const MultibandDesign& design, const SpiderTuned& tuned);

}  // namespace loopbeam::nec
