#pragma once
// A length the builder types into the cut list: as the list shows it
// ("21.572 m", "70 ft 9 5/16 in") or near it ("21.572", "70' 9.3\"", "849 in"),
// with a decimal point whatever the locale. A bare number is in metres where
// the list shows metres; in feet and inches it needs its unit.

#include <string_view>

#include "nec/cut/cut_lengths.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// In metres; refuses text that is no length, and a length of none or of 1000 m and more.
Outcome<double> typedLength(std::string_view text, CutUnits units);

}  // namespace loopbeam::nec
