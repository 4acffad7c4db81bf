#pragma once
// Rows of texts for a reader: a label with a value for each design shown,
// and a plain-text table of columns that line up.

#include <string>
#include <vector>

namespace loopbeam::nec {

// A row without values heads the rows under it.
struct TextRow {
    std::string label;
    std::vector<std::string> values;
};

// Each column two blanks wider than its longest text; the last one unpadded.
std::string alignedTable(const std::vector<std::vector<std::string>>& rows);

}  // namespace loopbeam::nec
