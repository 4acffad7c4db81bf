#pragma once
// loopbeam-cli --bands: the quad for several bands on one spider, each band
// checked with every loop present, and the reports of it.

#include <optional>
#include <string>
#include <vector>

#include "cli/design_run.h"
#include "cli/options.h"
#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/model/nec_model.h"
#include "nec/multiband/band_design.h"
#include "nec/multiband/spider.h"
#include "nec/multiband/spider_cut_sheet.h"
#include "nec/multiband/spider_interaction.h"

namespace loopbeam::cli {

struct MultibandRun {
    nec::CheckOptions options;
    std::optional<nec::MultibandDesign> design;
    std::optional<nec::Spider> spider;
    std::vector<nec::NecModel> models;      // a band each, its own driven loop fed
    std::vector<nec::CheckResult> results;  // a band each, once checked
    std::vector<nec::FeedAdvice> feeds;     // a band each, with its result
    std::optional<nec::SpiderTuned> tuned;  // with --tune
    std::vector<nec::CheckResult> tunedResults;
    std::vector<nec::FeedAdvice> tunedFeeds;
    std::vector<nec::BandConstraints> constraints;                 // the band goal's, a band each
    std::optional<std::vector<nec::BandInteraction>> interaction;  // with --interaction
    std::optional<StepFailure> failure;                            // step "bands", "nec", "tune" or "interaction"
};

// The design and its models; with --simulate the check of every band; with
// --tune the spider tuned and every band checked again; with --interaction
// each band tuned alone too.
MultibandRun runMultiband(const Options& options);

// The whole quad's cut list: the tuned spider's once tuned, else the calculated one's.
nec::SpiderCutSheet cutSheetOf(const MultibandRun& run);

// The loops and where they stand, then each band's summary, feed and sweep,
// the lines naming the files written, and the cut list.
std::string multibandReport(const MultibandRun& run, const std::string& filesWritten);

// {"bands": [{"mhz", "spacing_rule_m", "spacing_m", "nec", "tuned"}], "loops": [{"band_mhz", "element",
//  "perimeter_m", "position_m", "segments_per_side", "fed"}], "geometry": {...}, "model": {...},
//  "tuning": {"goal", "rounds", "solves", "start_rounds", "evaluations", "feasible", "loops": [...]},
//  "cut_list": {...}, "error"}; a band's "tuned": {"perimeter_m", "position_m", "change_percent", "nec",
//  "band_goal"} once tuned, its "interaction": {"rounds_alone", "loops": [{"element", "alone_m",
//  "together_m", "change_in", "change_percent"}], "feed_alone", "feed_together"} with --interaction
std::string multibandJson(const MultibandRun& run);

}  // namespace loopbeam::cli
