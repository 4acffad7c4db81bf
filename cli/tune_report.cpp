#include "cli/tune_report.h"

#include <vector>

#include "design/cables.h"
#include "nec/check/check_report.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/cut/cut_lengths.h"
#include "nec/cut/cut_loops.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"
#include "nec/tuning/comparison.h"

namespace loopbeam::cli {
namespace {

using nec::feetInchesText;
using nec::metresText;
using nec::printfText;

std::string lengthsTable(const NecCheckRun& check, const nec::Tuned& tuned, bool metric) {
    std::vector<std::vector<std::string>> rows{{"", "CALCULATED", "", "TUNED", "", "CHANGE"}};
    for (const nec::CutLoop& loop : nec::kCutLoops) {
        const double calculated = check.model->loops[loop.loop].perimeterMetres;
        const double cut = tuned.model.loops[loop.loop].perimeterMetres;
        if (tuned.scales.*loop.scale == 1)
            rows.push_back(
                {std::string(loop.caption), feetInchesText(calculated), metresText(calculated), "unchanged"});
        else
            rows.push_back(
                {std::string(loop.caption), feetInchesText(calculated), metresText(calculated), feetInchesText(cut),
                 metresText(cut),
                 nec::changeText(calculated, cut, metric ? nec::CutUnits::Metres : nec::CutUnits::FeetInches)});
    }
    const double spacing = check.design.spacingFeet * nec::kMetresPerFoot;
    rows.push_back({std::string(kLengthRows[3].caption), feetInchesText(spacing), metresText(spacing), "unchanged"});
    return nec::alignedTable(rows);
}

// What cutting to 1/16 inch can do to the reactance the tuning brought to zero.
std::string roundingLine(const NecCheckRun& check, const nec::Tuned& tuned) {
    constexpr auto kUnits = nec::CutUnits::FeetInches;
    const auto effect =
        nec::roundingEffect(kUnits, tuned.model.loops[nec::kDrivenLoop].perimeterMetres, tuned.reactanceSlope);
    const auto clauses = nec::roundingClauses(kUnits, effect, check.design.lockedMHz);
    return clauses[0] + ",\n" + clauses[1] + ". The tuning and the JSON use the unrounded lengths.\n";
}

std::string feedTable(const NecCheckRun& check, const TuneRun& tune) {
    std::vector<const nec::FeedAdvice*> advice{&tune.calculatedFeed};
    std::vector<std::vector<std::string>> rows{{nec::feedHeading(check.design.lockedMHz), "CALCULATED"}};
    if (tune.tuned) {
        advice.push_back(&tune.tunedFeed);
        rows.front().push_back("TUNED");
    }
    for (nec::TextRow& row : nec::feedRows(advice)) {
        rows.push_back({std::move(row.label)});
        rows.back().insert(rows.back().end(), row.values.begin(), row.values.end());
    }
    return nec::alignedTable(rows);
}

std::string sectionLine(const NecCheckRun& check, const TuneRun& tune, const Options& options) {
    const nec::FeedAdvice& shown = tune.tuned ? tune.tunedFeed : tune.calculatedFeed;
    if (shown.recommended == nec::FeedKind::Direct) return "Fed directly, it needs no quarter-wave section.\n";
    if (!tune.calculatedFeed.sectionMetres)
        return printfText(
            "No cable is chosen (--coax NAME chooses one): a quarter-wave section is 90 electrical degrees\n"
            "at %g MHz.\n",
            check.design.lockedMHz);
    const CableType& cable = kCables[static_cast<std::size_t>(*options.coaxIndex)];
    const double metres = *tune.calculatedFeed.sectionMetres;
    return nec::sectionLead(cable.entry, cable.velFactor) + feetInchesText(metres) + ", " + metresText(metres) + ";\n" +
           std::string(nec::kParallelSections) + "\n";
}

}  // namespace

std::string tuneReport(const TuneRun& tune, const NecCheckRun& check, const Options& options,
                       const std::string& filesWritten) {
    std::string out = "\n";
    if (tune.tuned) {
        const nec::Tuned& tuned = *tune.tuned;
        out += printfText("Tuned with nec2c for %s (%d single-frequency solves, then the full check):\n",
                          std::string(nec::rowOf(nec::kTuneGoals, tuned.goal).word).c_str(), tuned.solves) +
               nec::wireFactorText(tuned.model, &tuned) + "\n\n" + lengthsTable(check, tuned, options.metric) +
               roundingLine(check, tuned) + "\n";
    }
    out += feedTable(check, tune) + sectionLine(check, tune, options);
    if (!tune.tuned) return out;
    out += filesWritten;
    out += "\nThe tuned design checked with nec2c:\n" + summaryText(tune.tuned->check, check.design, tune.tunedFeed);
    if (options.simulate) out += "\n" + nec::sweepTable(tune.tuned->check, check.options.boomHeightMetres.has_value());
    return out;
}

}  // namespace loopbeam::cli
