#pragma once
// --tune: the checked design tuned with NEC-2, the feed advised for it and
// for the calculated design, and the tuned design's deck when one is asked.

#include <optional>
#include <string>

#include "cli/design_run.h"
#include "cli/nec_check.h"
#include "cli/options.h"
#include "nec/check/feed_advice.h"
#include "nec/tuning/tune.h"

namespace loopbeam::cli {

struct TuneRun {
    nec::FeedAdvice calculatedFeed;
    std::optional<nec::Tuned> tuned;
    nec::FeedAdvice tunedFeed;
    std::string deck;                    // the tuned design's, when one was asked for
    std::optional<StepFailure> failure;  // step "tune"
};

// After a check that gave its figures.
TuneRun runTune(const Options& options, const NecCheckRun& check);

// The failure the run reports: the design's, the check's, then the tuning's.
std::optional<StepFailure> firstFailure(const DesignRun& run, const NecCheckRun* check, const TuneRun* tune);

}  // namespace loopbeam::cli
