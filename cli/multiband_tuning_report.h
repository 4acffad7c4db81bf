#pragma once
// The parts of --bands --tune's reports that only the band goal and
// --interaction add: each band's constraints and misses, and each loop tuned
// alone against with every band present.

#include <string>
#include <vector>

#include "nec/multiband/band_design.h"
#include "nec/multiband/spider_interaction.h"

namespace loopbeam::cli {

// A line a band: what the band goal held, what it reached and what it missed.
std::string bandGoalText(const nec::MultibandDesign& design, const nec::SpiderTuned& tuned);

// {"feed", "max_swr", "least_gain_dbi", "min_front_to_rear_db", "min_gain_dbi", "max_swr_reached", "missed"},
// or "" but for the band goal.
std::string bandGoalJson(const nec::SpiderTuned& tuned, std::size_t band);

// The table of each loop alone and together, in metres, inches and %, then each band's feed.
std::string interactionText(const nec::MultibandDesign& design, const std::vector<nec::BandInteraction>& bands);

// {"rounds_alone", "loops": [{"element", "alone_m", "together_m", "change_in", "change_percent"}],
//  "feed_alone": {"r_ohm", "x_ohm"}, "feed_together": {...}, "r_change_ohm"}
std::string interactionJson(const nec::BandInteraction& band);

}  // namespace loopbeam::cli
