#pragma once
// The JSON of --tune: "tuned" with the tuned lengths, their feed and their
// check.

#include <string>

#include "cli/nec_check.h"
#include "cli/tune_run.h"

namespace loopbeam::cli {

// {"goal", "wire_factor", "perimeter_m", "spacing_m", "changed", "feed", "nec"}
std::string tunedJson(const NecCheckRun& check, const nec::Tuned& tuned, const nec::FeedAdvice& feed);

}  // namespace loopbeam::cli
