#pragma once
// The whole part, and the checked store of a 64-bit result into a 32-bit field.

#include <cmath>
#include <optional>

namespace loopbeam {

// The largest whole number not greater than the value (downward for negatives).
inline float wholePart(float value) { return std::floor(value); }
inline double wholePart(double value) { return std::floor(value); }

// A result evaluated in 64 bits, rounded to the 32-bit field that stores it.
// An invalid operation, a division by zero or an overflow (of the 64-bit result
// or of its rounding to 32 bits) leaves nothing to store.
inline std::optional<float> storable(double result) {
    if (!std::isfinite(result)) return std::nullopt;
    const float stored = static_cast<float>(result);
    if (!std::isfinite(stored)) return std::nullopt;
    return stored;
}

}  // namespace loopbeam
