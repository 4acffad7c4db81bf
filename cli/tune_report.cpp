#include "cli/tune_report.h"

#include <vector>

#include "design/cables.h"
#include "nec/check/check_report.h"
#include "nec/check/feed_advice.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/cut/cut_lengths.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"
#include "nec/tuning/comparison.h"
#include "nec/tuning/tuned_lengths.h"

namespace loopbeam::cli {
namespace {

using nec::feetInchesText;
using nec::metresText;
using nec::printfText;

std::vector<std::string> lengthRow(const nec::LengthChange& length, bool metric) {
    if (!length.changed())
        return {length.caption, feetInchesText(length.calculated), metresText(length.calculated), "unchanged"};
    return {
        length.caption,
        feetInchesText(length.calculated),
        metresText(length.calculated),
        feetInchesText(length.tuned),
        metresText(length.tuned),
        nec::changeText(length.calculated, length.tuned, metric ? nec::CutUnits::Metres : nec::CutUnits::FeetInches)};
}

// The loops, the spacing (each gap where they differ) and the boom when it changed.
std::string lengthsTable(const NecCheckRun& check, const nec::Tuned& tuned, bool metric) {
    std::vector<std::vector<std::string>> rows{{"", "CALCULATED", "", "TUNED", "", "CHANGE"}};
    std::vector<nec::LengthChange> lengths = nec::loopChanges(*check.model, tuned.model);
    if (const auto common = nec::commonSpacing(*check.model, tuned.model))
        lengths.push_back(*common);
    else
        for (nec::LengthChange& gap : nec::spacingChanges(*check.model, tuned.model)) lengths.push_back(std::move(gap));
    if (const nec::LengthChange boom = nec::boomChange(*check.model, tuned.model); boom.changed())
        lengths.push_back(boom);
    for (const nec::LengthChange& length : lengths) rows.push_back(lengthRow(length, metric));
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

// The band goal's evaluations, and whether its lengths are to be cut.
std::string bandGoalLine(const nec::Tuned& tuned) {
    if (tuned.goal != nec::TuneGoal::Band) return "";
    return printfText("%d evaluations of the band; SWR at most %g through %s, gain at least %.2f dBi.%s\n",
                      tuned.evaluations, tuned.maxSwr,
                      std::string(nec::rowOf(nec::kFeeds, tuned.bandFeed).name).c_str(), tuned.leastGainDbi,
                      tuned.feasible ? "" : " No design met these: the least violating below, NOT lengths to cut.");
}

}  // namespace

std::string tuneReport(const TuneRun& tune, const NecCheckRun& check, const Options& options,
                       const std::string& filesWritten) {
    std::string out = "\n";
    if (tune.tuned) {
        const nec::Tuned& tuned = *tune.tuned;
        out += printfText("Tuned with nec2c for %s (%d single-frequency solves, then the full check):\n",
                          std::string(nec::rowOf(nec::kTuneGoals, tuned.goal).word).c_str(), tuned.solves) +
               nec::wireFactorText(tuned.model, &tuned) + "\n" + bandGoalLine(tuned) + "\n" +
               lengthsTable(check, tuned, options.metric) + roundingLine(check, tuned) + "\n";
    }
    out += feedTable(check, tune) + sectionLine(check, tune, options);
    if (!tune.tuned) return out;
    out += filesWritten;
    out += "\nThe tuned design checked with nec2c:\n" + summaryText(tune.tuned->check, check.design, tune.tunedFeed);
    if (options.simulate) out += "\n" + nec::sweepTable(tune.tuned->check, check.options.boomHeightMetres.has_value());
    return out;
}

}  // namespace loopbeam::cli
