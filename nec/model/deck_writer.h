#pragma once
// The model as a standard NEC-2 card deck: every wire on a GW card of its own.
// The engine's working deck has an FR card and its RP cards per frequency, in
// the order asked; the deck given to people has one FR card of linear steps
// and one RP card, as other NEC-2 programs expect.

#include <optional>
#include <span>
#include <string>

#include "nec/model/nec_model.h"
#include "nec/model/pattern_grid.h"

namespace loopbeam::nec {

std::string writeDeck(const NecModel& model, std::span<const FrequencyRequest> frequencies);

// The sweep in linear steps with the locked frequency on a step, and the
// horizontal cut at the elevation of the figures (the horizon in free space;
// over ground the check's, or without one the first lobe's estimate).
std::string writePortableDeck(const NecModel& model, std::optional<double> figuresElevationDegrees);

// A frequency in MHz as an FR card asks for it, and as a message names it.
std::string deckFrequencyText(double mhz);

}  // namespace loopbeam::nec
