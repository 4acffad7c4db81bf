#pragma once
// A sweep saved as CSV: a header row naming the frequency column (its unit in
// the name, "Frequency (MHz)" or "freq_hz"; MHz when it gives none) and either
// R and X in ohms or S11's real and imaginary parts against 50 ohms, comma or
// semicolon separated.

#include <string_view>

#include "nec/measured/measured_sweep.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// The refusal names the line and what is wrong with it.
Outcome<MeasuredSweep> readCsvSweep(std::string_view text);

}  // namespace loopbeam::nec
