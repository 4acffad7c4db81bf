#include "nec/cut/cut_sheet.h"

#include "nec/check/check_report.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/cut/cut_list.h"
#include "nec/text_table.h"
#include "nec/tuning/comparison.h"
#include "nec/tuning/driven_resonance.h"

namespace loopbeam::nec {
namespace {

constexpr const char* kArmNote =
    "The spreader arm runs from the hub to the wire's corner: the wire over 4 times the square root of 2. It is not "
    "the main window's spreader hole spacing, which is the driven loop's whole diagonal.";

std::string sectionNote(const CutListFacts& facts, CutUnits units) {
    if (facts.feed->recommended == FeedKind::Direct) return "Fed directly, it needs no quarter-wave section.";
    if (!facts.cable)
        return "No cable is chosen in the matching window: choose one there for the length of a quarter-wave "
               "section.";
    const std::string lead = sectionLead(facts.cable->entry, facts.cable->velFactor);
    if (!facts.feed->sectionMetres) return lead + "none at this frequency.";
    const std::string length = lengthText(*facts.feed->sectionMetres, units);
    if (facts.feed->recommended == FeedKind::QuarterWave75) return lead + length + ".";
    return lead + length + "; " + std::string(kParallelSections);
}

std::string roundingNote(const CutListFacts& facts, CutUnits units) {
    const double locked = facts.design->lockedMHz;
    const NecModel& cut = facts.tuned ? facts.tuned->model : *facts.calculated;
    const double slope = facts.tuned ? facts.tuned->reactanceSlope : reactanceFromSweep(*facts.check, locked, 1).slope;
    const auto clauses =
        roundingClauses(units, roundingEffect(units, cut.loops[kDrivenLoop].perimeterMetres, slope), locked);
    return clauses[0] + ", " + clauses[1] + ".";
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvLine(const std::vector<std::string>& fields, std::size_t width) {
    std::string line;
    for (std::size_t i = 0; i < width; ++i) line += (i ? "," : "") + (i < fields.size() ? csvField(fields[i]) : "");
    return line + "\n";
}

}  // namespace

CutSheet cutSheet(const CutListFacts& facts, CutUnits units) {
    CutSheet sheet;
    sheet.title = "Cut list: " + facts.designName + ", " +
                  (facts.tuned ? "tuned for " + std::string(rowOf(kTuneGoals, facts.tuned->goal).word) + " with nec2c"
                               : std::string("as calculated"));
    sheet.model = "NEC-2 model: " + conditionsOf(facts.tuned ? facts.tuned->model : *facts.calculated);
    sheet.header = {"Element", "Wire (the loop)", "Side", "Spreader arm", "From the reflector"};
    if (facts.tuned) sheet.header.push_back("Change of the wire");
    for (const CutRow& row : cutRows(*facts.calculated, *facts.design, facts.tuned)) {
        std::vector<std::string> texts{row.element, lengthText(row.wireMetres, units),
                                       lengthText(row.sideMetres, units), lengthText(row.armMetres, units),
                                       lengthText(row.boomMetres, units)};
        if (facts.tuned)
            texts.push_back(row.calculatedWireMetres ? changeText(*row.calculatedWireMetres, row.wireMetres, units)
                                                     : "unchanged");
        sheet.rows.push_back(std::move(texts));
    }
    sheet.notes = {kArmNote, wireFactorText(*facts.calculated, facts.tuned) + ".",
                   recommendationText(*facts.feed, facts.design->lockedMHz), sectionNote(facts, units),
                   roundingNote(facts, units)};
    return sheet;
}

std::string plainText(const CutSheet& sheet) {
    std::vector<std::vector<std::string>> table{sheet.header};
    table.insert(table.end(), sheet.rows.begin(), sheet.rows.end());
    std::string text = sheet.title + "\n" + sheet.model + "\n\n" + alignedTable(table) + "\n";
    for (const std::string& note : sheet.notes) text += note + "\n";
    return text;
}

std::string csvText(const CutSheet& sheet) {
    const std::size_t width = sheet.header.size();
    std::string text = csvLine(sheet.header, width);
    for (const auto& row : sheet.rows) text += csvLine(row, width);
    for (const std::string& note : {sheet.title, sheet.model}) text += csvLine({note}, width);
    for (const std::string& note : sheet.notes) text += csvLine({note}, width);
    return text;
}

}  // namespace loopbeam::nec
