#pragma once
// A band typed as the texts of its edges in MHz, as the command line and the
// check window take it.

#include <string_view>

#include "nec/model/sweep_plan.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// Each edge one number (see strictParse), above 0, the low edge below the high one.
Outcome<Band> bandOfTexts(std::string_view low, std::string_view high);

}  // namespace loopbeam::nec
