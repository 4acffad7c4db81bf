#pragma once
// The two ways a typed text becomes a number.

#include <optional>
#include <string_view>

namespace loopbeam {

// The whole text must be one number: blanks around it, a leading sign, a
// decimal point and an exponent with "E" or "e" are allowed. Empty text, any
// other character, and a number beyond the 64-bit range give nothing.
std::optional<double> strictParse(std::string_view text);

// True when the whole text, blanks around it aside, is written as one
// number, however large or small.
bool hasNumberForm(std::string_view text);

// The longest leading part that reads as a number, blanks anywhere ignored;
// 0 when there is none. Never fails: a huge exponent gives an infinity, which
// the caller must judge.
double lenientParse(std::string_view text);

}  // namespace loopbeam
