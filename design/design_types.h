#pragma once
// The three design-type options: the only writers of the director and
// reflector constants. None can fail and none shows anything.

#include <cstdint>

#include "design/design_state.h"

namespace loopbeam {

// STANDARD HIGH GAIN: the constants follow the element count on the bar now.
void selectStandardHighGain(DesignState& state, std::int16_t elementCount);
// SPECIAL 4 OR 8 ELEMENT: fixed constants; the element count is not read.
void selectSpecial4or8(DesignState& state);
// DOUBLE REFLECTOR: fixed constants; one reflector length only.
void selectDoubleReflector(DesignState& state);

// True once any design type has been clicked: every type's constants are non-zero.
inline bool designTypeChosen(const DesignState& state) { return state.dirConst != 0 || state.refConst != 0; }

}  // namespace loopbeam
