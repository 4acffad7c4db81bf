#pragma once
// --tune: the checked design tuned with NEC-2, the feed advised for it and
// for the calculated design, and the tuned design's deck when one is asked.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/design_run.h"
#include "cli/nec_check.h"
#include "cli/options.h"
#include "design/result_rows.h"
#include "nec/check/feed_advice.h"
#include "nec/tuning/tune.h"

namespace loopbeam::cli {

// The loops a builder cuts, one length each (every director alike), along the
// boom from the back, as the model and the JSON list them.
struct CutLoop {
    std::string_view word;     // as the JSON names it
    std::string_view caption;  // as the main window names it
    std::size_t loop;          // the first such loop in the model
    double nec::LoopScales::*scale;
};
inline constexpr std::array<CutLoop, 3> kCutLoops{{
    {"reflector", kLengthRows[2].caption, nec::kReflectorLoop, &nec::LoopScales::reflector},
    {"driven", kLengthRows[1].caption, nec::kDrivenLoop, &nec::LoopScales::driven},
    {"directors", kLengthRows[0].caption, nec::kDrivenLoop + 1, &nec::LoopScales::directors},
}};

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
