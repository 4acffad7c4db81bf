#include "nec/measured/measurement_path.h"

#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

std::string lineText(const TransmissionLine& line) {
    return printfText("%g m of %g-ohm line (velocity factor %g%s)", line.lengthMetres, line.ohms, line.velocityFactor,
                      line.lossDb > 0 ? printfText(", %g dB matched loss", line.lossDb).c_str() : "");
}

}  // namespace

MeasuredSweep atFeedPoint(const MeasuredSweep& measured, const MeasurementPath& path) {
    MeasuredSweep moved = measured;
    for (MeasuredPoint& point : moved) {
        if (path.feedline) point.impedance = loadImpedance(point.impedance, *path.feedline, point.mhz);
        if (path.section) point.impedance = loadImpedance(point.impedance, *path.section, point.mhz);
    }
    return moved;
}

Outcome<TransmissionLine> advisedSection(const FeedAdvice& advice, std::optional<float> velocityFactor,
                                         const SectionRemedies& remedies) {
    const FeedRow& feed = rowOf(kFeeds, advice.recommended);
    if (feed.cables == 0)
        return refuse("the check advised feeding the design directly, without a quarter-wave section: " +
                      std::string(remedies.directFeed));
    if (!velocityFactor || !advice.sectionMetres)
        return refuse("the quarter-wave section's length needs its cable: " + std::string(remedies.noCable));
    TransmissionLine section;
    section.ohms = sectionOhms(feed);
    section.velocityFactor = *velocityFactor;
    section.lengthMetres = *advice.sectionMetres;
    return section;
}

Outcome<DescribedPath> describedPath(const std::optional<TransmissionLine>& feedline, bool throughSection,
                                     const FeedAdvice& advice, std::optional<float> velocityFactor,
                                     const SectionRemedies& remedies) {
    DescribedPath described;
    described.path.feedline = feedline;
    if (feedline) described.words = lineText(*feedline);
    if (!throughSection) return described;
    auto section = advisedSection(advice, velocityFactor, remedies);
    if (!section) return refuse(section.error().message);
    described.path.section = *section;
    described.words += (described.words.empty() ? "" : ", then ") +
                       printfText("the %s section, ", rowOf(kFeeds, advice.recommended).name.data()) +
                       lineText(*section);
    return described;
}

}  // namespace loopbeam::nec
