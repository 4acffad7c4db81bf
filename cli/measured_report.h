#pragma once
// --measured in words and in JSON: the measurement's figures beside the
// model's over the same span, and the fit.

#include <string>

#include "cli/measured_run.h"

namespace loopbeam::cli {

std::string measuredReport(const MeasuredRun& run);

// {"file", "points", "through", "resonances_mhz", "min_swr", "min_swr_mhz", "swr_below_2_mhz",
//  "swr_at_estimated_edges", "wire_factor", "driven_factor", "fit_error", "fit_points", "fits"}
std::string measuredJson(const MeasuredRun& run);

}  // namespace loopbeam::cli
