#pragma once
// The NEC-2 check of the design a run has just calculated: its deck, its
// figures, and the reports of them.

#include <optional>
#include <string>
#include <vector>

#include "cli/design_run.h"
#include "cli/options.h"
#include "design/calculated_design.h"
#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/model/nec_model.h"
#include "nec/model/quad_design.h"

namespace loopbeam::cli {

struct NecCheckRun {
    nec::QuadDesign design;
    nec::CheckOptions options;
    std::vector<std::string> notes;      // what the design's name alone would mislead about
    std::string conditions;              // what the model is
    std::string deck;                    // when one was asked for
    std::optional<nec::NecModel> model;  // the model checked
    std::optional<nec::CheckResult> result;
    std::optional<nec::FeedAdvice> feed;  // with the result, for the cable of --coax if any
    std::optional<StepFailure> failure;   // step "nec"
};

NecCheckRun runNecCheck(const Options& options, const CalculatedDesign& design);

// {"r_ohm", "x_ohm", "ideal_section_ohm", "options": [...], "recommended", "swr_below_2_mhz"}
std::string feedJson(const nec::FeedAdvice& advice);

// The failure the run reports: the design's own first, then the check's.
inline std::optional<StepFailure> firstFailure(const DesignRun& run, const NecCheckRun* check) {
    return run.failure ? run.failure : check ? check->failure : std::nullopt;
}

// The model's conditions and notes, the lines naming the files written, the
// summary and the sweep table.
std::string necReport(const NecCheckRun& run, const Options& options, const std::string& filesWritten);

// The summary's lines, their values in one column.
std::string summaryText(const nec::CheckResult& result, const nec::QuadDesign& design, const nec::FeedAdvice& feed);

// {"points": [...], "resonance_mhz", "resonances_mhz": [...], "min_swr_mhz", "min_swr_direct_mhz",
//  "at_sweep_edge": {"min_swr", "min_swr_direct"}, "pattern": [...], ..., "notes": [...], "model": {...},
//  "feed": {...}, "verdict": {"works", "problems": [...], "warnings": [...]}}
std::string necJson(const nec::CheckResult& result, const NecCheckRun& check, const nec::FeedAdvice& feed);

// [[low, high], ...].
std::string spansJson(const std::vector<nec::Span>& spans);

// What was modelled: {"shape", "insulation_mm", "permittivity", "conductor", "soil", "boom_height_m"},
// null for bare wire and for free space.
std::string modelJson(const nec::CheckOptions& options);

// Why a check this large waits for --allow-large: its segments, time and memory.
std::string tooLarge(const nec::NecModel& model, nec::SweepMethod method);

}  // namespace loopbeam::cli
