#pragma once
// CONVERT TO METRIC: the six stored lengths in whole metres and centimetres.

#include "design/boxes.h"
#include "design/design_state.h"

namespace loopbeam {

// The button's handler: refuses before the first successful calculation.
Outcome<MainTexts> convertToMetric(const DesignState& state);

// Text20, Text27, Text14 to Text19, Text21 to Text26 for whatever lengths are
// stored; changes nothing.
MainTexts metricTexts(const DesignState& state);

}  // namespace loopbeam
