#pragma once
// The two ways loopbeam-cli reports a design run.

#include <string>
#include <vector>

#include "cli/design_run.h"
#include "cli/nec_check.h"
#include "cli/options.h"
#include "cli/tune_run.h"

namespace loopbeam::cli {

// One JSON object with the boxes' texts keyed by control name, the check's
// figures under "nec" when it ran, and the tuning's under "tuned".
std::string jsonReport(const DesignRun& run, const NecCheckRun* check = nullptr, const TuneRun* tune = nullptr);

// A readable report; the failure, if any, goes to stderr separately.
std::string humanReport(const DesignRun& run, const Options& options);

// A JSON string literal; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);

// The shortest text that reads back as the value; null where JSON has no number.
std::string jsonNumber(double value);
// [1, 2.5]
std::string numbersJson(const std::vector<double>& values);

}  // namespace loopbeam::cli
