#pragma once
// The texts in which numbers appear on screen: the exact binary value rounded
// correctly to 7 (single) or 15 (double) significant digits, plain where that
// reads naturally, otherwise as mantissa and exponent ("3.333334E-02").

#include <cstdint>
#include <string>

#include "common/short_text.h"

namespace loopbeam {

ShortText singleText(float value);
ShortText doubleText(double value);
std::string integerText(std::int16_t value);

}  // namespace loopbeam
