#pragma once
// The quarter-wave 75-ohm matching section: the cable choice and the two
// calculations of the matching window, without the window.

#include <cstdint>
#include <optional>

#include "design/boxes.h"
#include "design/cables.h"
#include "design/design_state.h"

namespace loopbeam {

// A selection in the cable list (-1 for none): stores the index, and the
// velocity factor when the index is one of the list's.
void chooseCable(DesignState& state, std::int16_t selectedIndex);

// The cable whose velocity factor the calculations use: none before any was
// chosen, and one named only by its factor once the list shows none chosen.
std::optional<CableType> chosenCable(const DesignState& state);

// CALCULATE FT/INCHES and CALCULATE METER/CM. Both refuse, changing nothing,
// without a frequency above 0 MHz or before any cable was chosen.
Outcome<MatchingTexts> matchFeetInches(DesignState& state);  // Text3, Text4, Text6, Text7
Outcome<MatchingTexts> matchMetric(DesignState& state);      // Text6, Text7, Text3, Text4

// The arithmetic alone, for any frequency and factor; refuses only when the
// section length cannot be computed or stored.
Outcome<MatchingTexts> matchFeetInchesArithmetic(DesignState& state);
Outcome<MatchingTexts> matchMetricArithmetic(DesignState& state);

}  // namespace loopbeam
