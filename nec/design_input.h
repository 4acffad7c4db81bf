#pragma once
// The NEC-2 check's input from a calculated design.

#include "design/calculated_design.h"
#include "nec/quad_design.h"

namespace loopbeam::nec {

// The design's loops, spacing and wire, its estimated range, and comment
// lines naming it and the program.
QuadDesign quadDesignOf(const CalculatedDesign& design);

}  // namespace loopbeam::nec
