#pragma once
// Where the analyser stood: at the shack end of a feed line, perhaps through
// the quarter-wave section too. The sweep is moved back to the feed point.

#include <optional>
#include <string>
#include <string_view>

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

// What to do where the section cannot be taken out, in the words of the place that asks.
struct SectionRemedies {
    std::string_view directFeed, noCable;
};

// The section the check advised, in the cable of that velocity factor and cut
// as the matching window cuts it; refused where the check advised a direct
// feed or no cable was chosen.
Outcome<TransmissionLine> advisedSection(const FeedAdvice& advice, std::optional<float> velocityFactor,
                                         const SectionRemedies& remedies);

// The path and its lines in words ("10 m of 50-ohm line (velocity factor
// 0.66), then the ... section, ..."); the words are empty at the feed point.
struct DescribedPath {
    MeasurementPath path;
    std::string words;
};
Outcome<DescribedPath> describedPath(const std::optional<TransmissionLine>& feedline, bool throughSection,
                                     const FeedAdvice& advice, std::optional<float> velocityFactor,
                                     const SectionRemedies& remedies);

}  // namespace loopbeam::nec
