#pragma once
// The trims as the cut list's notes: what the fit found, then for each loop
// the length as cut, the length to cut to and the change, in the list's units,
// and what the fitted model predicts after trimming.

#include <string>
#include <vector>

#include "nec/cut/cut_lengths.h"
#include "nec/measured/trim.h"

namespace loopbeam::nec {

std::vector<std::string> trimNotes(const FittedTrim& fitted, CutUnits units);

}  // namespace loopbeam::nec
