#pragma once
// Measured figures in words, one row a figure and a column a summary (the
// model's over the same span, the measurement's): the command line's table
// and the check window's Measured column.

#include <vector>

#include "nec/measured/measured_summary.h"
#include "nec/text_table.h"

namespace loopbeam::nec {

std::vector<TextRow> measuredRows(const std::vector<const MeasuredSummary*>& columns);

}  // namespace loopbeam::nec
