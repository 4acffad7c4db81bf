#pragma once
// SET AND LOCK FREQUENCY and the show-back on a click in the frequency box.

#include <string>
#include <string_view>

#include "design/boxes.h"
#include "design/design_state.h"

namespace loopbeam {

// Locks the text of the frequency box (which holds at most seven characters;
// a longer text is cut as the box would): gives Label1 (the text as typed),
// Text10 (upper edge) and Text9 (lower edge), uncut, and stores freq. A text
// that is not a number, or too large for the range or for freq, is refused
// and changes nothing.
Outcome<MainTexts> lockFrequency(DesignState& state, std::string_view typed);

// The estimated usable range around a frequency: 1.43 % below and above it.
struct EstimatedRange {
    double lower, upper;
};
EstimatedRange estimatedRange(double f);

// The text put back into freqtxt: the locked value, uncut.
std::string showBackFrequency(const DesignState& state);

}  // namespace loopbeam
