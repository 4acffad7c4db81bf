#pragma once
// A built model with other loop lengths. Each loop is laid again with its new
// perimeter at the same place on the boom and with the same segments a side,
// so that the feed, the loads and the ground stay the calculated model's, and
// the tuned design's check solves the very model the search solved.

#include <compare>

#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// Of the calculated perimeters; every director alike (the builder cuts one length).
struct LoopScales {
    double reflector = 1, driven = 1, directors = 1;

    auto operator<=>(const LoopScales&) const = default;
};

// Refuses only where a longer loop would come too close to the ground.
Outcome<NecModel> scaledModel(const NecModel& calculated, const LoopScales& scales);

}  // namespace loopbeam::nec
