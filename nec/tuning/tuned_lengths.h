#pragma once
// Each length a tuning may change, calculated beside tuned, as the reports
// list them: the reflector, the driven loop, the directors (one length while
// every director is alike in both, else each director), the gaps between
// neighbours and the boom.

#include <optional>
#include <string>
#include <vector>

#include "nec/model/nec_model.h"

namespace loopbeam::nec {

struct LengthChange {
    std::string word;     // "reflector", "directors", "director 2", "spacing driven-director 1"
    std::string caption;  // "Reflector", "Directors", "Director 2", "Spacing driven-director 1"
    double calculated = 0, tuned = 0;

    bool changed() const { return tuned != calculated; }
};

std::vector<LengthChange> loopChanges(const NecModel& calculated, const NecModel& tuned);
// Each gap, from the reflector forward.
std::vector<LengthChange> spacingChanges(const NecModel& calculated, const NecModel& tuned);
// The one spacing of both when each has every gap alike ("Element spacing").
std::optional<LengthChange> commonSpacing(const NecModel& calculated, const NecModel& tuned);
// From the reflector to the last director ("Boom length").
LengthChange boomChange(const NecModel& calculated, const NecModel& tuned);

}  // namespace loopbeam::nec
