#include "cli/tune_report.h"

#include <cmath>
#include <numeric>
#include <vector>

#include "design/cables.h"
#include "nec/check/check_report.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {
namespace {

using nec::printfText;

constexpr int kSixteenthsPerInch = 16;

// Rows of columns, each column two blanks wider than its longest text.
std::string table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += row[c] + (c + 1 < row.size() ? std::string(widths[c] + 2 - row[c].size(), ' ') : "");
        out += line + "\n";
    }
    return out;
}

// "70 ft 9 5/16 in": to the nearest 1/16 inch, as a builder measures.
std::string feetInches(double metres) {
    constexpr long kPerFoot = static_cast<long>(kInchesPerFoot) * kSixteenthsPerInch;
    const long sixteenths = std::lround(metres / nec::kMetresPerInch * kSixteenthsPerInch);
    const long inches = sixteenths % kPerFoot / kSixteenthsPerInch, part = sixteenths % kSixteenthsPerInch;
    std::string text = printfText("%ld ft %ld", sixteenths / kPerFoot, inches);
    if (part != 0) {
        const long common = std::gcd(part, static_cast<long>(kSixteenthsPerInch));
        text += printfText(" %ld/%ld", part / common, kSixteenthsPerInch / common);
    }
    return text + " in";
}

std::string metresText(double metres) { return printfText("%.3f m", metres); }

std::string changeText(double calculated, double tuned, bool metric) {
    const double change = tuned - calculated;
    return (metric ? printfText("%+.1f cm", change / nec::kMetresPerMm / 10)
                   : printfText("%+.2f in", change / nec::kMetresPerInch)) +
           printfText("  %+.2f%%", change / calculated * 100);
}

std::string lengthsTable(const NecCheckRun& check, const nec::Tuned& tuned, bool metric) {
    std::vector<std::vector<std::string>> rows{{"", "CALCULATED", "", "TUNED", "", "CHANGE"}};
    for (const CutLoop& loop : kCutLoops) {
        const double calculated = check.model->loops[loop.loop].perimeterMetres;
        const double cut = tuned.model.loops[loop.loop].perimeterMetres;
        if (tuned.scales.*loop.scale == 1)
            rows.push_back({std::string(loop.caption), feetInches(calculated), metresText(calculated), "unchanged"});
        else
            rows.push_back({std::string(loop.caption), feetInches(calculated), metresText(calculated), feetInches(cut),
                            metresText(cut), changeText(calculated, cut, metric)});
    }
    const double spacing = check.design.spacingFeet * nec::kMetresPerFoot;
    rows.push_back({std::string(kLengthRows[3].caption), feetInches(spacing), metresText(spacing), "unchanged"});
    return table(rows);
}

// What cutting to 1/16 inch can do to the reactance the tuning brought to zero.
std::string roundingLine(const NecCheckRun& check, const nec::Tuned& tuned) {
    const double off = nec::kMetresPerInch / (2 * kSixteenthsPerInch);
    const double share = off / tuned.model.loops[nec::kDrivenLoop].perimeterMetres;
    return printfText(
        "Cut to the nearest 1/16 inch, a loop is at most 1/32 inch off: %.4f%% of the driven loop,\n"
        "which moves X at %g MHz by up to %.2f ohm. The tuning and the JSON use the unrounded lengths.\n",
        share * 100, check.design.lockedMHz, share * tuned.reactanceSlope);
}

std::string wireLine(const nec::Tuned& tuned) {
    if (!tuned.model.insulation) return "Wire factor: 1 (bare wire)\n";
    return printfText(
        "Wire factor: %.5f, every loop times it (a lone loop of the driven element's length resonates at %.3f MHz "
        "insulated, %.3f MHz bare)\n",
        tuned.wire.factor, tuned.wire.insulatedMHz, tuned.wire.bareMHz);
}

std::string impedanceText(std::complex<double> z) {
    return printfText("%.2f %s j%.2f ohm", z.real(), z.imag() < 0 ? "-" : "+", std::abs(z.imag()));
}

std::string spanText(const std::optional<nec::Span>& span) {
    if (!span) return "none";
    return printfText("%.3f%s to %.3f%s MHz", span->lowMHz, span->lowIsSweepEdge ? " (sweep start)" : "", span->highMHz,
                      span->highIsSweepEdge ? " (sweep end)" : "");
}

std::string feedTable(const NecCheckRun& check, const TuneRun& tune) {
    std::vector<const nec::FeedAdvice*> advice{&tune.calculatedFeed};
    std::vector<std::vector<std::string>> rows{{printfText("Feed at %g MHz", check.design.lockedMHz), "CALCULATED"}};
    if (tune.tuned) {
        advice.push_back(&tune.tunedFeed);
        rows.front().push_back("TUNED");
    }
    const auto row = [&](std::string label, const auto& text) {
        rows.push_back({std::move(label)});
        for (const nec::FeedAdvice* a : advice) rows.back().push_back(text(*a));
    };
    row("Feed impedance", [](const nec::FeedAdvice& a) { return impedanceText(a.impedance); });
    for (std::size_t i = 0; i < nec::kFeeds.size(); ++i)
        row("SWR, " + std::string(nec::kFeeds[i].name),
            [&](const nec::FeedAdvice& a) { return printfText("%.2f", a.swr[i]); });
    row("Ideal quarter wave, sqrt(50 R)",
        [](const nec::FeedAdvice& a) { return printfText("%.1f ohm", a.idealSectionOhms); });
    row("Recommended",
        [](const nec::FeedAdvice& a) { return std::string(nec::rowOf(nec::kFeeds, a.recommended).name); });
    row("SWR below 2 with it", [](const nec::FeedAdvice& a) { return spanText(a.swrBelow2); });
    return table(rows);
}

std::string sectionLine(const NecCheckRun& check, const TuneRun& tune, const Options& options) {
    if (!tune.calculatedFeed.sectionMetres)
        return printfText(
            "No cable is chosen (--coax NAME chooses one): a quarter-wave section is 90 electrical degrees\n"
            "at %g MHz.\n",
            check.design.lockedMHz);
    const CableType& cable = kCables[static_cast<std::size_t>(*options.coaxIndex)];
    const double metres = *tune.calculatedFeed.sectionMetres;
    return printfText(
        "A quarter-wave section in %s (velocity factor %g), as the matching window cuts it: %s, %s;\n"
        "for 37.5 ohms, two such lengths in parallel.\n",
        std::string(cable.entry).c_str(), cable.velFactor, feetInches(metres).c_str(), metresText(metres).c_str());
}

}  // namespace

std::string tuneReport(const TuneRun& tune, const NecCheckRun& check, const Options& options,
                       const std::string& filesWritten) {
    std::string out = "\n";
    if (tune.tuned) {
        const nec::Tuned& tuned = *tune.tuned;
        out += printfText("Tuned with nec2c for %s (%d single-frequency solves, then the full check):\n",
                          std::string(nec::rowOf(nec::kTuneGoals, tuned.goal).word).c_str(), tuned.solves) +
               wireLine(tuned) + "\n" + lengthsTable(check, tuned, options.metric) + roundingLine(check, tuned) + "\n";
    }
    out += feedTable(check, tune) + sectionLine(check, tune, options);
    if (!tune.tuned) return out;
    out += filesWritten;
    out += "\nThe tuned design checked with nec2c:\n" + summaryText(tune.tuned->check, check.design);
    if (options.simulate) out += "\n" + nec::sweepTable(tune.tuned->check, check.options.boomHeightMetres.has_value());
    return out;
}

}  // namespace loopbeam::cli
