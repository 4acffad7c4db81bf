#pragma once
// Where the analyser stood: at the shack end of a feed line, perhaps through
// the quarter-wave section too. The sweep is moved back to the feed point.

#include <optional>

#include "nec/check/feed_advice.h"
#include "nec/measured/feed_line.h"
#include "nec/measured/measured_sweep.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

struct MeasurementPath {
    std::optional<TransmissionLine> feedline;  // next to the analyser
    std::optional<TransmissionLine> section;   // then, at the feed point
};

// The impedance the feed point itself shows at each measured frequency.
MeasuredSweep atFeedPoint(const MeasuredSweep& measured, const MeasurementPath& path);

// The section the check advised, in the cable of that velocity factor and cut
// as the matching window cuts it; refused where the check advised a direct
// feed or no cable was chosen.
Outcome<TransmissionLine> advisedSection(const FeedAdvice& advice, std::optional<float> velocityFactor);

}  // namespace loopbeam::nec
