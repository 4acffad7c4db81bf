#pragma once
// The NEC-2 check's input from a calculated design.

#include <string>
#include <vector>

#include "design/calculated_design.h"
#include "nec/model/quad_design.h"

namespace loopbeam::nec {

// The design's loops, spacing and wire, its estimated range, and comment
// lines naming it and the program.
QuadDesign quadDesignOf(const CalculatedDesign& design);

// What the design's name alone would mislead about: STANDARD HIGH GAIN's
// constants taken at another element count, DOUBLE REFLECTOR's one reflector.
std::vector<std::string> designNotes(const CalculatedDesign& design);

}  // namespace loopbeam::nec
