#include "cli/trim_report.h"

#include <cmath>
#include <numeric>

#include "cli/report.h"
#include "nec/choice_table.h"
#include "nec/cut/cut_lengths.h"
#include "nec/model/wire.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"

namespace loopbeam::cli {
namespace {

// "-2 3/16 in": a change to the nearest sixteenth, its sign kept.
std::string sixteenthsText(double metres) {
    const long sixteenths = std::lround(metres / nec::kMetresPerInch * nec::kSixteenthsPerInch);
    const long whole = std::labs(sixteenths) / nec::kSixteenthsPerInch,
               part = std::labs(sixteenths) % nec::kSixteenthsPerInch;
    std::string text = sixteenths < 0 ? "-" : sixteenths > 0 ? "+" : "";
    if (whole != 0 || part == 0) text += std::to_string(whole);
    if (part != 0) {
        const long common = std::gcd(part, static_cast<long>(nec::kSixteenthsPerInch));
        text += nec::printfText("%s%ld/%ld", whole != 0 ? " " : "", part / common, nec::kSixteenthsPerInch / common);
    }
    return text + " in";
}

std::string millimetresText(double metres) {
    const long mm = std::lround(metres / nec::kMetresPerMm);
    return nec::printfText(mm == 0 ? "%ld mm" : "%+ld mm", mm);
}

std::string lengthBoth(double metres) { return nec::metresText(metres) + " (" + nec::feetInchesText(metres) + ")"; }

}  // namespace

std::string trimReport(const nec::Trim& trim) {
    std::vector<std::vector<std::string>> rows = {{"Loop", "As cut", "Cut to", "Change"}};
    for (const nec::TrimLoop& loop : trim.loops) {
        const double change = loop.cutToMetres - loop.asCutMetres;
        rows.push_back({loop.element, lengthBoth(loop.asCutMetres), lengthBoth(loop.cutToMetres),
                        millimetresText(change) + " (" + sixteenthsText(change) + ")"});
    }
    const std::string resonance =
        std::isfinite(trim.resonanceMHz) ? nec::printfText("X = 0 at %.3f MHz", trim.resonanceMHz) : "no X = 0";
    return "\nTrims for " + std::string(nec::rowOf(nec::kTuneGoals, trim.goal).word) +
           " (a negative change is cut off, a positive one joined on):\n" + nec::alignedTable(rows) +
           "After trimming the fitted model predicts " + resonance +
           nec::printfText(", lowest SWR %.2f on 50 ohms and the band's lowest F/R %.1f dB.\n", trim.minSwr,
                           trim.minFrDb);
}

std::string trimJson(const nec::Trim& trim) {
    std::string loops;
    for (const nec::TrimLoop& loop : trim.loops)
        loops += std::string(loops.empty() ? "" : ", ") + "{\"element\": " + jsonString(loop.element) +
                 ", \"as_cut_m\": " + jsonNumber(loop.asCutMetres) + ", \"cut_to_m\": " + jsonNumber(loop.cutToMetres) +
                 ", \"change_m\": " + jsonNumber(loop.cutToMetres - loop.asCutMetres) + "}";
    return "{\"goal\": " + jsonString(std::string(nec::rowOf(nec::kTuneGoals, trim.goal).word)) + ", \"loops\": [" +
           loops + "], \"predicted\": {\"resonance_mhz\": " + jsonNumber(trim.resonanceMHz) +
           ", \"min_swr\": " + jsonNumber(trim.minSwr) + ", \"min_fr_db\": " + jsonNumber(trim.minFrDb) + "}}";
}

}  // namespace loopbeam::cli
