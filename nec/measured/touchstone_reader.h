#pragma once
// One-port Touchstone files as analysers save them, version 1.x and 2.0:
// S, Z or Y parameters in RI, MA or DB, any frequency unit and reference
// resistance. Version 1 writes Z and Y normalised to the reference, version
// 2.0 in ohms and siemens.

#include <string_view>

#include "nec/measured/measured_sweep.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// The refusal names the line and what is wrong with it.
Outcome<MeasuredSweep> readTouchstone(std::string_view text);

}  // namespace loopbeam::nec
