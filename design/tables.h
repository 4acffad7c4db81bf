#pragma once
// The fixed design data: design-type constants, wire gauges, driven-loop bands.

#include <cstdint>
#include <optional>

namespace loopbeam {

struct ElementConstants {
    float dirConst;
    float refConst;
};

// STANDARD HIGH GAIN constants for a number of directors (1 to 48), compared
// for equality as a 32-bit float; nothing for any other count.
std::optional<ElementConstants> standardHighGainConstants(float dirCount);

inline constexpr ElementConstants kSpecial4or8{987.0f, 1065.0f};
inline constexpr ElementConstants kDoubleReflector{981.0f, 1053.0f};

// Wire diameter in inches for every gauge of the bar; nothing outside.
std::optional<float> wireDiameter(std::int16_t gauge);

// Driven-loop constant for a wire diameter in wavelengths.
float drivenLoopConstant(float diaRatio);

}  // namespace loopbeam
