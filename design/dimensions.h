#pragma once
// CALCULATE/FEET & INCHES: the six lengths of the antenna from the locked
// frequency, the design-type constants, the gauge and the element count.

#include <cstdint>

#include "design/boxes.h"
#include "design/design_state.h"

namespace loopbeam {

// The button's handler: refuses without a frequency above 0 MHz or a design
// type, then calculates. A refusal changes no field.
Outcome<MainTexts> calculateFeetInches(DesignState& state, std::int16_t gauge, std::int16_t elementCount);

// The arithmetic itself for any state, negative frequencies included: stores
// awg, wireDia, diaRatio, drivenConst, corr and the six lengths, and gives
// Text14 to Text19, Text20, Text27, Text21 to Text26. Refuses, changing no
// field, when a step fails (division by zero, invalid result, overflow).
Outcome<MainTexts> calculateDimensions(DesignState& state, std::int16_t gauge, std::int16_t elementCount);

}  // namespace loopbeam
