#include "nec/multiband/spider_cut_sheet.h"

#include <cmath>

#include "nec/choice_table.h"
#include "nec/cut/csv_fields.h"
#include "nec/cut/cut_lengths.h"
#include "nec/model/nec_model.h"
#include "nec/multiband/band_check.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"

namespace loopbeam::nec {
namespace {

const char* loopWordOf(const SpiderCutRow& row) { return row.driven ? "driven" : "reflector"; }

// "70 ft 9 5/16 in (21.572 m)"
std::string bothUnits(double metres) { return feetInchesText(metres) + " (" + metresText(metres) + ")"; }

std::string positionText(double metres) {
    if (metres == 0) return "at the hub";
    return bothUnits(std::abs(metres)) + (metres < 0 ? " behind" : " in front");
}

std::string armText(const SpiderCut& cut, const SpreaderArm& arm) {
    const SpiderCutRow& row = cut.rows.at(arm.row);
    return bothUnits(arm.metres) + printfText(" (the %g MHz %s loop's)", row.bandMHz, loopWordOf(row));
}

std::string armsNote(const SpiderCut& cut) {
    return printfText("Spreader arms at %.2f degrees to the boom, from the hub to the loops' corners: ",
                      cut.armAngleDegrees) +
           "4 behind the hub of at least " + armText(cut, cut.back) + ", 4 in front of at least " +
           armText(cut, cut.front) + "; add what fixing the wire takes.";
}

std::vector<std::string> csvHeader(bool tuned) {
    std::vector<std::string> header{"band_mhz", "element"};
    for (const char* length : {"wire", "side", "arm", "position"})
        for (const char* unit : {"_m", "_in", "_feet_inches"}) header.push_back(length + std::string(unit));
    if (tuned) header.insert(header.end(), std::begin(kChangeColumns), std::end(kChangeColumns));
    return header;
}

std::vector<std::string> csvRow(const SpiderCutRow& row, bool tuned) {
    std::vector<std::string> fields{printfText("%g", row.bandMHz), loopWordOf(row)};
    addLengthFields(fields, {row.wireMetres, row.sideMetres, row.armMetres, row.positionMetres});
    if (tuned) addChangeFields(fields, row.calculatedWireMetres.value_or(row.wireMetres), row.wireMetres);
    return fields;
}

}  // namespace

SpiderCutSheet spiderCutSheet(const MultibandDesign& design, const SpiderCut& cut, const std::string& conditions) {
    SpiderCutSheet sheet;
    sheet.title = "Cut list: two-element quad for " + bandsText(design) +
                  printfText(" on one spider, AWG %d, ", design.gauge) +
                  (cut.tuned ? "tuned for " + std::string(rowOf(kTuneGoals, cut.goal).word) + " with nec2c"
                             : std::string("as calculated"));
    if (!conditions.empty()) sheet.notes.push_back("NEC-2 model: " + conditions);
    sheet.notes.push_back(armsNote(cut));
    sheet.notes.push_back("Each band has a feed line of its own on its driven loop: a common feed is not offered.");
    sheet.cut = cut;
    return sheet;
}

std::vector<std::vector<std::string>> spiderCutTable(const SpiderCutSheet& sheet) {
    std::vector<std::vector<std::string>> table{
        {"Band", "Loop", "Wire (the loop)", "Side", "Spreader arm", "From the hub"}};
    if (sheet.cut.tuned) table.front().push_back("Change of the wire");
    for (const SpiderCutRow& row : sheet.cut.rows) {
        table.push_back({row.driven ? "" : printfText("%g MHz", row.bandMHz), loopWordOf(row),
                         bothUnits(row.wireMetres), bothUnits(row.sideMetres), bothUnits(row.armMetres),
                         positionText(row.positionMetres)});
        if (sheet.cut.tuned)
            table.back().push_back(row.calculatedWireMetres
                                       ? changeText(*row.calculatedWireMetres, row.wireMetres, CutUnits::FeetInches)
                                       : "unchanged");
    }
    return table;
}

std::string spiderCutText(const SpiderCutSheet& sheet) {
    std::string text = sheet.title + "\n\n" + alignedTable(spiderCutTable(sheet)) + "\n";
    for (const std::string& note : sheet.notes) text += note + "\n";
    return text;
}

std::string spiderCutCsv(const SpiderCutSheet& sheet) {
    std::string text = "# " + sheet.title + "\n";
    for (const std::string& note : sheet.notes) text += "# " + note + "\n";
    text += csvLine(csvHeader(sheet.cut.tuned));
    for (const SpiderCutRow& row : sheet.cut.rows) text += csvLine(csvRow(row, sheet.cut.tuned));
    return text;
}

}  // namespace loopbeam::nec
