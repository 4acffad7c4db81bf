#pragma once
// A built model with other loop lengths or gaps. Each loop is laid again with
// its new perimeter at its new place on the boom and with the same segments a
// side, so that the feed, the loads and the ground stay the calculated
// model's, and the tuned design's check solves the very model the search
// solved.

#include <compare>

#include "nec/model/boom_layout.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// Of the calculated perimeters; every director alike (the builder cuts one length).
struct LoopScales {
    double reflector = 1, driven = 1, directors = 1;

    auto operator<=>(const LoopScales&) const = default;
};

// Any perimeter and any gap, in metres. Refuses a layout of another count of
// loops or with a length that is none, and where a longer loop would come too
// close to the ground.
Outcome<NecModel> relaidModel(const NecModel& calculated, const BoomLayout& metres);

// The calculated gaps, the perimeters scaled.
BoomLayout scaledLayout(const NecModel& calculated, const LoopScales& scales);
Outcome<NecModel> scaledModel(const NecModel& calculated, const LoopScales& scales);

}  // namespace loopbeam::nec
