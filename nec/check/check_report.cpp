#include "nec/check/check_report.h"

#include <cmath>

#include "nec/check/check_summary.h"
#include "nec/check/feed_advice.h"
#include "nec/check/verdict.h"
#include "nec/choice_table.h"
#include "nec/fit/adaptive_sweep.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

std::string mhz(double value) { return printfText("%.3f MHz", value); }

// "144.860, 143.257 and 145.867 MHz"
std::string frequenciesText(const std::vector<double>& mhzList) {
    std::string out;
    for (std::size_t i = 0; i < mhzList.size(); ++i)
        out += (i == 0 ? "" : i + 1 == mhzList.size() ? " and " : ", ") + printfText("%.3f", mhzList[i]);
    return out + " MHz";
}

// "0 degrees", "1 degree", "1.5 degrees": over ground the lobe is read to 0.1 degree
std::string degreesText(double degrees) {
    const std::string text = printfText("%.1f", degrees);
    const std::string shown = text.ends_with(".0") ? text.substr(0, text.size() - 2) : text;
    return shown + (shown == "1" ? " degree" : " degrees");
}

std::string lowestText(const LowestSwr& lowest) {
    return printfText("%.2f at %s", lowest.swr, mhz(lowest.mhz).c_str()) +
           (lowest.atSweepEdge ? ", at the edge of the sweep; it may lie beyond" : "");
}

// How the sweep's impedances were found, and a fallback's reason.
std::string sweptText(const CheckResult& result) {
    const SweepRecord& s = result.swept;
    const std::size_t points = result.sweep.size();
    if (s.fellBack)
        return printfText(
            "%zu frequencies, each solved by nec2c: a fit of %zu solves did not settle within %.2g%% (%zu solves in "
            "all)",
            points, s.fitSolves, kFitAgreement * 100, s.solves);
    if (s.method == SweepMethod::SolveEveryPoint) return printfText("%zu frequencies, each solved by nec2c", points);
    return printfText("%zu frequencies fitted to %zu nec2c solves (checked within %.2g%%)", points, s.solves,
                      kFitVerification * 100);
}

// "-1.43 dBi at 8.260 MHz"; a figure no solve within the band gave says so.
std::string worstText(const BandWorst& worst, const char* format) {
    if (std::isnan(worst.value)) return "not solved within the band";
    return printfText(format, worst.value) + " at " + mhz(worst.mhz);
}

// The band's worst first: what a builder gets over the span operated.
std::vector<SummaryLine> bandLines(const CheckResult& result, const QuadDesign& design) {
    const BandFigures& b = result.band;
    const bool estimated = b.band == Band{design.estimatedLowMHz, design.estimatedHighMHz};
    return {
        {estimated ? "Band (the estimated range)" : "Band (as given)",
         printfText("%.3f to %.3f MHz", b.band.lowMHz, b.band.highMHz)},
        {"Lowest forward gain over the band", worstText(b.gainDbi, "%.2f dBi")},
        {"Lowest front-to-back over the band", worstText(b.frontToBackDb, "%.1f dB")},
        {"Lowest front-to-rear over the band", worstText(b.frontToRearDb, "%.1f dB")},
        {"Highest SWR over the band", worstText(b.swr, "%.2f") + ", " +
                                          std::string(rowOf(kFeeds, result.bandFeed).name) +
                                          (result.bandFeedHeld ? " (held by the tuning)" : " (recommended)")},
    };
}

}  // namespace

std::string spanText(const Span& span) {
    return printfText("%.3f%s to %.3f%s MHz", span.lowMHz, span.lowIsSweepEdge ? " (sweep start)" : "", span.highMHz,
                      span.highIsSweepEdge ? " (sweep end)" : "");
}

std::string spansAround(const std::vector<Span>& spans, double swrThreshold, double lockedMHz) {
    if (spans.empty()) return "none in the sweep";
    const Span* around = spanHolding(spans, lockedMHz);
    std::string others;
    for (const Span& span : spans)
        if (&span != around) others += (others.empty() ? "" : " and from ") + spanText(span);
    if (!around) return printfText("none at %g MHz: below %g from ", lockedMHz, swrThreshold) + others;
    return spanText(*around) + printfText(", around %g MHz", lockedMHz) +
           (others.empty() ? "" : "; also from " + others);
}

std::string conditionsOf(const NecModel& model) {
    const std::string ground = model.boomHeightMetres
                                   ? printfText("%s, boom %s high", std::string(rowOf(kSoils, model.soil).name).c_str(),
                                                boomHeightText(*model.boomHeightMetres).c_str())
                                   : "free space";
    const std::string shape = model.shape == LoopShape::Diamond ? "diamond loops" : "square loops";
    return ground + ", " + shape + ", " + wireText(model.conductor, model.insulation) + ", " +
           std::to_string(model.totalSegments()) + " segments";
}

std::vector<SummaryLine> summaryLines(const CheckResult& result, const QuadDesign& design, const FeedAdvice& feed) {
    const CheckSummary& s = result.summary;
    const std::string locked = printfText("%g MHz", design.lockedMHz);
    std::vector<SummaryLine> lines{
        {"Verdict", judge(result, feed, design).line},
        {s.resonancesMHz.size() > 1 ? "Resonances (X = 0), nearest first" : "Resonance (X = 0)",
         s.resonancesMHz.empty() ? "none in the sweep" : frequenciesText(s.resonancesMHz)},
        {"Lowest SWR through the 75-ohm section", lowestText(s.lowestThroughSection)},
        {"Lowest SWR fed directly", lowestText(s.lowestDirect)},
        {"SWR below 1.5 through the 75-ohm section", spansAround(s.below1_5, 1.5, design.lockedMHz)},
        {"SWR below 2 through the 75-ohm section", spansAround(s.below2, 2, design.lockedMHz)},
        {"Estimated range (SWR 1.5 to 1.7)",
         printfText("%.3f to %.3f MHz: SWR %.2f and %.2f at its edges", design.estimatedLowMHz, design.estimatedHighMHz,
                    s.swrAtLowEdge, s.swrAtHighEdge)},
    };
    for (SummaryLine& line : bandLines(result, design)) lines.push_back(std::move(line));
    lines.insert(lines.end(), {
                                  {"Forward gain at " + locked, printfText("%.2f dBi", s.gainAtLockedDbi)},
                                  {"Front-to-back at " + locked, printfText("%.1f dB", s.frontToBackAtLockedDb)},
                                  {"Front-to-rear at " + locked, printfText("%.1f dB", s.frontToRearAtLockedDb)},
                                  {"Elevation of the figures", degreesText(s.elevationDegrees)},
                                  {"Sweep", sweptText(result)},
                              });
    return lines;
}

std::string sweepTable(const CheckResult& result, bool overGround) {
    std::string out = "       MHz |    R ohm |    X ohm | SWR section | SWR direct | Gain dBi | F/B dB | F/R dB";
    out += overGround ? " | Elevation deg\n" : "\n";
    for (const FrequencyPoint& p : result.sweep)
        if (p.solved)
            out += printfText("%10.4f | %8.2f | %8.2f | %11.3f | %10.3f | %8.2f | %6.1f | ", p.mhz,
                              p.feedImpedance.real(), p.feedImpedance.imag(), p.swrThroughSection, p.swrDirect,
                              p.forwardGainDbi, p.frontToBackDb) +
                   (std::isnan(p.frontToRearDb) ? "     -" : printfText("%6.1f", p.frontToRearDb)) +
                   (overGround ? printfText(" | %13.1f\n", p.elevationDegrees) : "\n");
    return out;
}

}  // namespace loopbeam::nec
