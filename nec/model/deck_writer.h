#pragma once
// The model as a standard NEC-2 card deck: every wire on a GW card of its own,
// one FR card and one RP card per frequency, in the order asked.

#include <span>
#include <string>

#include "nec/model/nec_model.h"
#include "nec/model/pattern_grid.h"

namespace loopbeam::nec {

std::string writeDeck(const NecModel& model, std::span<const FrequencyRequest> frequencies);

// A frequency in MHz as an FR card asks for it, and as a message names it.
std::string deckFrequencyText(double mhz);

}  // namespace loopbeam::nec
