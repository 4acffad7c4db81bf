#pragma once
// The cut list in words, as the check window shows, prints, copies and saves
// it: a title, the table in one system of units, and under it the notes a
// builder needs besides: the spreader arm against the main window's hole
// spacing, the wire's factor, the feed, the matching section in the cable
// chosen, and what cutting to the nearest unit can move.

#include <optional>
#include <string>
#include <vector>

#include "design/cables.h"
#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/cut/cut_lengths.h"
#include "nec/cut/cut_list.h"
#include "nec/tuning/tune.h"

namespace loopbeam::nec {

struct CutListFacts {
    std::string designName;  // "14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN"
    const QuadDesign* design = nullptr;
    const NecModel* calculated = nullptr;
    const CheckResult* check = nullptr;  // the calculated design's
    const Tuned* tuned = nullptr;        // none before a tuning
    const FeedAdvice* feed = nullptr;    // of the design listed
    std::optional<CableType> cable;      // chosen in the matching window
    // Each loop as the builder cut it, beside a measurement: a column of its own.
    const std::vector<double>* asCutMetres = nullptr;
};

struct CutSheet {
    std::string title, model;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> notes;
    std::vector<CutRow> lengths;  // the rows' numbers
    bool tuned = false;
    std::vector<double> asCutMetres;  // a row's each, where the sheet has the column
    static constexpr std::size_t kAsCutColumn = 2;
};

CutSheet cutSheet(const CutListFacts& facts, CutUnits units);

// The title, the table in columns that line up, the notes.
std::string plainText(const CutSheet& sheet);
// For spreadsheets and for reading back: the title, the model and the notes as
// leading "#" lines, then a header of names with their units and a row an
// element of plain numbers (metres and inches), the feet-and-inches texts in
// columns of their own. The table is the same whatever the units shown.
std::string csvText(const CutSheet& sheet);

}  // namespace loopbeam::nec
