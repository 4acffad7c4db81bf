#pragma once
// The JSON of --tune: the calculated design's "nec" with its "feed", and
// "tuned" with the tuned lengths, their feed and their check.

#include <string>

#include "cli/nec_check.h"
#include "cli/tune_run.h"

namespace loopbeam::cli {

// {... the check's keys ..., "feed": FEED}
std::string calculatedNecJson(const NecCheckRun& check, const TuneRun& tune);

// {"goal", "wire_factor", "perimeter_m", "spacing_m", "changed", "feed", "nec"}
std::string tunedJson(const NecCheckRun& check, const nec::Tuned& tuned, const nec::FeedAdvice& feed);

}  // namespace loopbeam::cli
