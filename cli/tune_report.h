#pragma once
// --tune in words: the tuned lengths beside the calculated ones as the builder
// cuts them, the feed for both, and the tuned design's check.

#include <string>

#include "cli/nec_check.h"
#include "cli/options.h"
#include "cli/tune_run.h"

namespace loopbeam::cli {

// The calculated design's feed alone when the tuning failed; filesWritten:
// the lines naming the tuned design's files written.
std::string tuneReport(const TuneRun& tune, const NecCheckRun& check, const Options& options,
                       const std::string& filesWritten);

}  // namespace loopbeam::cli
