#pragma once
// Lengths as a builder measures and cuts them: feet and inches to the nearest
// 1/16 inch, or metres to the millimetre; the change a tuning makes; and what
// that rounding can do to the reactance a tuning brought to zero.

#include <array>
#include <string>

namespace loopbeam::nec {

enum class CutUnits { FeetInches, Metres };

inline constexpr int kSixteenthsPerInch = 16;

// "70 ft 9 5/16 in"
std::string feetInchesText(double metres);
// "21.572 m"
std::string metresText(double metres);
std::string lengthText(double metres, CutUnits units);

// "+6.86 in  +1.16%" or "+17.4 cm  +1.16%"
std::string changeText(double calculated, double tuned, CutUnits units);

// A loop cut to the nearest unit is at most half of it off.
struct RoundingEffect {
    double shareOfDriven = 0;  // of the driven loop's length
    double ohms = 0;           // of X at the locked frequency, at most
};

// slope: ohms of X at the locked frequency per unit of the driven loop's scale.
RoundingEffect roundingEffect(CutUnits units, double drivenMetres, double slope);

// "Cut to the nearest 1/16 inch, a loop is at most 1/32 inch off: 0.0055% of
// the driven loop" and "which moves X at 21.2 MHz by up to 0.15 ohm".
std::array<std::string, 2> roundingClauses(CutUnits units, const RoundingEffect& effect, double lockedMHz);

}  // namespace loopbeam::nec
