#include "nec/measured/measured_rows.h"

#include <functional>

#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

std::string resonanceText(const MeasuredSummary& s) {
    return s.resonancesMHz.empty() ? "none in the span" : printfText("%.3f MHz", s.resonancesMHz.front());
}

std::string lowestText(const MeasuredSummary& s) {
    return printfText("%.2f at %.3f MHz%s", s.lowest.swr, s.lowest.mhz,
                      s.lowest.atSweepEdge ? " (the span's edge)" : "");
}

std::string spansText(const MeasuredSummary& s) {
    std::string out;
    for (const Span& span : s.below2)
        out += (out.empty() ? "" : ", ") + printfText("%.3f-%.3f MHz", span.lowMHz, span.highMHz);
    return out.empty() ? "none" : out;
}

std::string swrText(const std::optional<double>& swr) { return swr ? printfText("%.2f", *swr) : "not measured"; }

}  // namespace

std::vector<TextRow> measuredRows(const std::vector<const MeasuredSummary*>& columns) {
    using Text = std::function<std::string(const MeasuredSummary&)>;
    const std::pair<const char*, Text> figures[] = {
        {"Resonance (X = 0)", resonanceText},
        {"Lowest SWR (50 ohm)", lowestText},
        {"SWR below 2 (50 ohm)", spansText},
        {"SWR at the low estimated edge", [](const MeasuredSummary& s) { return swrText(s.swrAtLowEdge); }},
        {"SWR at the high estimated edge", [](const MeasuredSummary& s) { return swrText(s.swrAtHighEdge); }},
    };
    std::vector<TextRow> rows;
    for (const auto& [label, text] : figures) {
        TextRow row{label, {}};
        for (const MeasuredSummary* column : columns) row.values.push_back(text(*column));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace loopbeam::nec
