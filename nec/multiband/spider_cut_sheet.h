#pragma once
// The spider's cut list in words and for spreadsheets: a title, the table
// band by band with each length in feet and inches to 1/16 inch and in metres
// to the millimetre, and the notes: the model, the spreader arms the largest
// loops need, and the feed lines.

#include <string>
#include <vector>

#include "nec/multiband/band_design.h"
#include "nec/multiband/spider_cut.h"

namespace loopbeam::nec {

struct SpiderCutSheet {
    std::string title;
    std::vector<std::string> notes;
    SpiderCut cut;
};

// conditions: what the model is (conditionsOf), empty where nothing was modelled.
SpiderCutSheet spiderCutSheet(const MultibandDesign& design, const SpiderCut& cut, const std::string& conditions);

// The table's header, then a row a loop, band by band (the band named on its
// reflector's row), each length in feet and inches and in metres.
std::vector<std::vector<std::string>> spiderCutTable(const SpiderCutSheet& sheet);
// The title, the table in columns that line up, the notes.
std::string spiderCutText(const SpiderCutSheet& sheet);
// The title and the notes as leading "#" lines, then a header of names with
// their units and a row a loop of plain numbers (metres and inches), the
// feet-and-inches texts in columns of their own; positions behind the hub negative.
std::string spiderCutCsv(const SpiderCutSheet& sheet);

}  // namespace loopbeam::nec
