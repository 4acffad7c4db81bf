#include "nec/measured/measured_summary.h"

#include <algorithm>

#include "nec/check/check_summary.h"
#include "nec/check/feed_match.h"

namespace loopbeam::nec {
namespace {

// The SWR between the two points around mhz, linearly; nothing outside the sweep.
std::optional<double> swrAt(const std::vector<FrequencyPoint>& points, double mhz) {
    const auto above = std::lower_bound(points.begin(), points.end(), mhz,
                                        [](const FrequencyPoint& p, double f) { return p.mhz < f; });
    if (above == points.end() || (above == points.begin() && above->mhz != mhz)) return std::nullopt;
    if (above->mhz == mhz) return above->swrDirect;
    const FrequencyPoint& below = *(above - 1);
    return below.swrDirect + (mhz - below.mhz) * (above->swrDirect - below.swrDirect) / (above->mhz - below.mhz);
}

}  // namespace

MeasuredSummary summariseMeasurement(const MeasuredSweep& sweep, const QuadDesign& design) {
    // As the check's sweep, both SWRs the direct one: the summary's helpers read either.
    std::vector<FrequencyPoint> points;
    for (const MeasuredPoint& p : sweep) {
        FrequencyPoint point;
        point.mhz = p.mhz;
        point.feedImpedance = p.impedance;
        point.swrDirect = point.swrThroughSection = swr(p.impedance);
        points.push_back(point);
    }
    MeasuredSummary summary;
    if (points.empty()) return summary;
    summary.resonancesMHz = reactanceZeros(points, design.lockedMHz);
    summary.lowest = lowestSwr(points, &FrequencyPoint::swrDirect);
    summary.below2 = spansBelow(points, 2.0);
    summary.swrAtLowEdge = swrAt(points, design.estimatedLowMHz);
    summary.swrAtHighEdge = swrAt(points, design.estimatedHighMHz);
    return summary;
}

MeasuredSummary summariseModelOver(const CheckResult& model, const MeasuredSweep& span, const QuadDesign& design) {
    const auto& points = model.sweep;
    const double lowMHz = span.front().mhz, highMHz = span.back().mhz;
    auto first = std::upper_bound(points.begin(), points.end(), lowMHz,
                                  [](double f, const FrequencyPoint& p) { return f < p.mhz; });
    if (first != points.begin()) --first;
    auto last = std::lower_bound(points.begin(), points.end(), highMHz,
                                 [](const FrequencyPoint& p, double f) { return p.mhz < f; });
    if (last != points.end()) ++last;
    MeasuredSweep sweep;
    for (auto p = first; p < last; ++p) sweep.push_back({p->mhz, p->feedImpedance});
    return summariseMeasurement(sweep, design);
}

}  // namespace loopbeam::nec
