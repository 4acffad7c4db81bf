#include "nec/measured/measurement_path.h"

#include "nec/choice_table.h"

namespace loopbeam::nec {

MeasuredSweep atFeedPoint(const MeasuredSweep& measured, const MeasurementPath& path) {
    MeasuredSweep moved = measured;
    for (MeasuredPoint& point : moved) {
        if (path.feedline) point.impedance = loadImpedance(point.impedance, *path.feedline, point.mhz);
        if (path.section) point.impedance = loadImpedance(point.impedance, *path.section, point.mhz);
    }
    return moved;
}

Outcome<TransmissionLine> advisedSection(const FeedAdvice& advice, std::optional<float> velocityFactor) {
    const FeedRow& feed = rowOf(kFeeds, advice.recommended);
    if (feed.cables == 0)
        return refuse(
            "the check advised feeding the design directly, without a quarter-wave section: leave out "
            "--through-section");
    if (!velocityFactor || !advice.sectionMetres)
        return refuse("the quarter-wave section's length needs its cable: add --coax");
    TransmissionLine section;
    section.ohms = sectionOhms(feed);
    section.velocityFactor = *velocityFactor;
    section.lengthMetres = *advice.sectionMetres;
    return section;
}

}  // namespace loopbeam::nec
