#include "cli/measured_report.h"

#include "cli/report.h"
#include "cli/trim_report.h"
#include "common/shown_name.h"
#include "nec/measured/measured_rows.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"

namespace loopbeam::cli {
namespace {

std::string fitText(const MeasuredRun& run) {
    if (!run.fit) return {};
    const nec::ModelFit& fit = *run.fit;
    const std::string error =
        nec::printfText("Fit error: %.3f rms of |Gamma model - Gamma measured| over %zu points with SWR below %g\n",
                        fit.error, fit.points, nec::kFitSwrLimit);
    if (fit.atBracketEnd())
        return error + nec::printfText(
                           "The closest model has every loop x %.4f, at the end of the search (%g to %g): "
                           "the antenna is further from this design than a trim mends. No trims are "
                           "given.\n",
                           fit.factor, nec::kLowestFactor, nec::kHighestFactor);
    if (!fit.fits())
        return error + nec::printfText(
                           "The closest model has every loop x %.4f, but above %g the measurement does not look like "
                           "this design: the wrong band, a missing choke at the feed or a bad connector? No trims are "
                           "given.\n",
                           fit.factor, nec::kFitErrorLimit);
    const std::string driven =
        fit.drivenFactor ? nec::printfText(
                               "With k alone the error was %.3f: the driven loop is fitted with a factor of its own, "
                               "x %.4f of the others (%.1f%% %s), as if cut or joined differently.\n",
                               fit.factorAloneError, *fit.drivenFactor, std::abs(*fit.drivenFactor - 1) * 100,
                               *fit.drivenFactor >= 1 ? "longer" : "shorter")
                         : "";
    return error +
           nec::printfText(
               "The model fits with every loop x %.4f: as built, the loops act %.1f%% %s than "
               "they were cut.\n",
               fit.factor, std::abs(fit.factor - 1) * 100, fit.factor >= 1 ? "longer" : "shorter") +
           driven;
}

std::string edgesJson(const nec::MeasuredSummary& s) {
    const auto value = [](const std::optional<double>& swr) { return swr ? jsonNumber(*swr) : "null"; };
    return "[" + value(s.swrAtLowEdge) + ", " + value(s.swrAtHighEdge) + "]";
}

}  // namespace

std::string measuredReport(const MeasuredRun& run) {
    // Nothing to set beside the model: the failure says why.
    if (run.points == 0) return {};
    std::string out = "\nMeasured: " + shownFileName(run.file) +
                      nec::printfText(", %zu point%s in the model's sweep", run.points, run.points == 1 ? "" : "s");
    out += run.path.empty() ? ", at the feed point\n" : ", moved back to the feed point through " + run.path + "\n";
    std::vector<std::vector<std::string>> rows = {{"", "Model", "Measured"}};
    for (const nec::TextRow& row : nec::measuredRows({&run.model, &run.measured}))
        rows.push_back({row.label, row.values[0], row.values[1]});
    return out + nec::alignedTable(rows) + fitText(run) + (run.trim ? trimReport(*run.trim) : "");
}

std::string measuredJson(const MeasuredRun& run) {
    const nec::MeasuredSummary& s = run.measured;
    const bool any = run.points > 0;
    const auto fitted = [&](double value) { return run.fit ? jsonNumber(value) : "null"; };
    return "{\"file\": " + jsonString(run.file) + ", \"points\": " + std::to_string(run.points) +
           ", \"through\": " + (run.path.empty() ? "null" : jsonString(run.path)) +
           ", \"resonances_mhz\": " + numbersJson(s.resonancesMHz) +
           ", \"min_swr\": " + (any ? jsonNumber(s.lowest.swr) : "null") +
           ", \"min_swr_mhz\": " + (any ? jsonNumber(s.lowest.mhz) : "null") +
           ", \"swr_below_2_mhz\": " + spansJson(s.below2) + ", \"swr_at_estimated_edges\": " + edgesJson(s) +
           ", \"wire_factor\": " + fitted(run.fit ? run.fit->factor : 0) +
           ", \"driven_factor\": " + (run.fit && run.fit->drivenFactor ? jsonNumber(*run.fit->drivenFactor) : "null") +
           ", \"fit_error\": " + fitted(run.fit ? run.fit->error : 0) +
           ", \"fit_points\": " + (run.fit ? std::to_string(run.fit->points) : "null") +
           ", \"fits\": " + (run.fit ? (run.fit->fits() ? "true" : "false") : "null") + "}";
}

}  // namespace loopbeam::cli
