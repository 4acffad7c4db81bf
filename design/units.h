#pragma once
// Feet, inches and metres, as every calculation converts them.

namespace loopbeam {

inline constexpr float kInchesPerFoot = 12.0f;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kCmPerMetre = 100.0;

// Metres of a stored length in feet, left to right in 64 bits, each operation
// rounded: a folded 0.3048 would change the last digits of the centimetres.
inline double metresOf(float feet) { return static_cast<double>(feet) * kInchesPerFoot * kCmPerInch / kCmPerMetre; }

}  // namespace loopbeam
