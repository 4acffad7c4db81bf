#include "nec/cut/cut_sheet.h"

#include "nec/check/check_report.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/cut/csv_fields.h"
#include "nec/cut/cut_list.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"
#include "nec/tuning/comparison.h"
#include "nec/tuning/driven_resonance.h"
#include "nec/tuning/tuned_lengths.h"

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

// The boom a tuning lengthened or shortened, from the reflector to the last director.
std::optional<std::string> boomNote(const CutListFacts& facts, CutUnits units) {
    if (!facts.tuned) return std::nullopt;
    const LengthChange boom = boomChange(*facts.calculated, facts.tuned->model);
    if (!boom.changed()) return std::nullopt;
    return "The boom from the reflector to the last director: " + lengthText(boom.tuned, units) + ", " +
           lengthText(boom.calculated, units) + " as calculated (" + changeText(boom.calculated, boom.tuned, units) +
           ").";
}

std::vector<std::string> csvHeader(const CutSheet& sheet) {
    std::vector<std::string> header{"element"};
    for (const char* length : {"wire", "side", "arm", "position"})
        for (const char* unit : {"_m", "_in", "_feet_inches"}) header.push_back(length + std::string(unit));
    if (sheet.tuned) header.insert(header.end(), std::begin(kChangeColumns), std::end(kChangeColumns));
    if (!sheet.asCutMetres.empty())
        for (const char* unit : {"_m", "_in", "_feet_inches"}) header.push_back("as_cut" + std::string(unit));
    return header;
}

std::vector<std::string> csvRow(const CutSheet& sheet, std::size_t r) {
    const CutRow& row = sheet.lengths[r];
    std::vector<std::string> fields{row.key};
    addLengthFields(fields, {row.wireMetres, row.sideMetres, row.armMetres, row.boomMetres});
    if (sheet.tuned) addChangeFields(fields, row.calculatedWireMetres.value_or(row.wireMetres), row.wireMetres);
    if (!sheet.asCutMetres.empty()) addLengthFields(fields, {sheet.asCutMetres[r]});
    return fields;
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
    sheet.tuned = facts.tuned != nullptr;
    sheet.lengths = cutRows(*facts.calculated, facts.tuned);
    if (facts.asCutMetres) {
        sheet.asCutMetres = *facts.asCutMetres;
        sheet.header.insert(sheet.header.begin() + CutSheet::kAsCutColumn, "As cut");
    }
    for (std::size_t r = 0; r < sheet.lengths.size(); ++r) {
        const CutRow& row = sheet.lengths[r];
        std::vector<std::string> texts{row.element, lengthText(row.wireMetres, units),
                                       lengthText(row.sideMetres, units), lengthText(row.armMetres, units),
                                       lengthText(row.boomMetres, units)};
        if (facts.tuned)
            texts.push_back(row.calculatedWireMetres ? changeText(*row.calculatedWireMetres, row.wireMetres, units)
                                                     : "unchanged");
        if (facts.asCutMetres)
            texts.insert(texts.begin() + CutSheet::kAsCutColumn, lengthText(sheet.asCutMetres[r], units));
        sheet.rows.push_back(std::move(texts));
    }
    sheet.notes = {kArmNote, wireFactorText(*facts.calculated, facts.tuned) + ".",
                   recommendationText(*facts.feed, facts.design->lockedMHz), sectionNote(facts, units),
                   roundingNote(facts, units)};
    if (auto boom = boomNote(facts, units)) sheet.notes.insert(sheet.notes.begin(), std::move(*boom));
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
    std::string text;
    for (const std::string& note : {sheet.title, sheet.model}) text += "# " + note + "\n";
    for (const std::string& note : sheet.notes) text += "# " + note + "\n";
    text += csvLine(csvHeader(sheet));
    for (std::size_t r = 0; r < sheet.lengths.size(); ++r) text += csvLine(csvRow(sheet, r));
    return text;
}

}  // namespace loopbeam::nec
