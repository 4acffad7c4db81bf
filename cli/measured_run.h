#pragma once
// --measured: an analyser's sweep moved back to the feed point, its figures
// beside the model's over the same span, and the model fitted to it.

#include <optional>
#include <string>

#include "cli/design_run.h"
#include "cli/nec_check.h"
#include "cli/options.h"
#include "cli/tune_run.h"
#include "nec/measured/as_cut.h"
#include "nec/measured/measured_summary.h"
#include "nec/measured/model_fit.h"
#include "nec/measured/trim.h"

namespace loopbeam::cli {

struct MeasuredRun {
    std::string file;        // as given
    std::string path;        // the lines taken out, in words; empty when measured at the feed point
    std::size_t points = 0;  // within the model's sweep
    nec::MeasuredSummary measured, model;
    std::optional<nec::ModelFit> fit;    // of the design as cut
    std::optional<nec::Trim> trim;       // where the fit is trusted
    std::optional<StepFailure> failure;  // step "measured"
};

// After a check that gave its figures; read: the file as read before the check;
// asCut: --as-cut as read, else the design shown (the tuned one with --tune) was cut.
MeasuredRun runMeasured(const Options& options, const NecCheckRun& check, const nec::MeasuredSweep& read,
                        const std::optional<std::vector<nec::AsCutLength>>& asCut, const TuneRun* tune);

// The failure the run reports: the design's, the check's, the tuning's, then the measurement's.
std::optional<StepFailure> firstFailure(const DesignRun& run, const NecCheckRun* check, const TuneRun* tune,
                                        const MeasuredRun* measured);

}  // namespace loopbeam::cli
