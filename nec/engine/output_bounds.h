#pragma once
// What an antenna's NEC-2 figures can be. Output beyond these comes from a
// model NEC-2 cannot solve reliably, or from a program that is not NEC-2, and
// is refused before any figure is shown or searched with.

#include <complex>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "nec/engine/nec2c_output.h"

namespace loopbeam::nec {

// The feed resistance lies above 0 and below this; |X| below this.
inline constexpr double kMostFeedResistanceOhms = 1e6;
inline constexpr double kMostFeedReactanceOhms = 1e6;
// Forward and straight behind, at the take-off elevation.
inline constexpr double kLeastGainDbi = -100, kMostGainDbi = 40;
// nec2c's gain of a direction that receives nothing (along the ground).
inline constexpr double kNec2cNoGainDbi = -999.99;

// What one frequency's output gives beyond these, as a clause; nothing when all is within.
std::optional<std::string> beyondBounds(const FrequencyOutput& output);

// The same reactance at every one of several solves (of other frequencies
// or other lengths), as a clause: an antenna's X changes with both.
std::optional<std::string> reactanceNeverChanges(std::span<const double> reactances);

// The refusal of output beyond the bounds: where (as "at 14.2 MHz", or
// empty for all the solves), what it gives, and why it is not believed.
std::string notBelieved(const std::string& where, const std::string& what);

}  // namespace loopbeam::nec
