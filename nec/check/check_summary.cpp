#include "nec/check/check_summary.h"

#include <algorithm>
#include <cmath>

namespace loopbeam::nec {

namespace {

// Where the straight line through (f0, v0) and (f1, v1) reaches the level.
double crossing(double f0, double v0, double f1, double v1, double level) {
    if (!std::isfinite(v0)) return f1;
    if (!std::isfinite(v1)) return f0;
    return f0 + (level - v0) * (f1 - f0) / (v1 - v0);
}

}  // namespace

std::vector<Span> spansBelow(const std::vector<FrequencyPoint>& sweep, double swrThreshold) {
    return spansBelow(
        sweep, [](const FrequencyPoint& p) { return p.swrThroughSection; }, swrThreshold);
}

const Span* spanHolding(const std::vector<Span>& spans, double mhz) {
    for (const Span& span : spans)
        if (span.lowMHz <= mhz && mhz <= span.highMHz) return &span;
    return nullptr;
}

std::vector<Span> spansBelow(const std::vector<FrequencyPoint>& sweep,
                             const std::function<double(const FrequencyPoint&)>& swrOf, double swrThreshold) {
    std::vector<Span> spans;
    const auto below = [&](std::size_t i) { return swrOf(sweep[i]) < swrThreshold; };
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        if (!below(i)) continue;
        const std::size_t first = i;
        while (i + 1 < sweep.size() && below(i + 1)) ++i;
        Span span;
        span.lowIsSweepEdge = first == 0;
        span.highIsSweepEdge = i + 1 == sweep.size();
        const FrequencyPoint& a = sweep[first];
        const FrequencyPoint& b = sweep[i];
        span.lowMHz = span.lowIsSweepEdge
                          ? a.mhz
                          : crossing(sweep[first - 1].mhz, swrOf(sweep[first - 1]), a.mhz, swrOf(a), swrThreshold);
        span.highMHz = span.highIsSweepEdge
                           ? b.mhz
                           : crossing(b.mhz, swrOf(b), sweep[i + 1].mhz, swrOf(sweep[i + 1]), swrThreshold);
        spans.push_back(span);
    }
    return spans;
}

std::vector<double> reactanceZeros(const std::vector<FrequencyPoint>& sweep, double nearMHz) {
    std::vector<double> zeros;
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const double x0 = sweep[i].feedImpedance.imag();
        if (x0 == 0) zeros.push_back(sweep[i].mhz);
        if (i + 1 == sweep.size()) break;
        const double x1 = sweep[i + 1].feedImpedance.imag();
        if ((x0 < 0 && x1 > 0) || (x0 > 0 && x1 < 0))
            zeros.push_back(crossing(sweep[i].mhz, x0, sweep[i + 1].mhz, x1, 0));
    }
    std::stable_sort(zeros.begin(), zeros.end(),
                     [&](double a, double b) { return std::abs(a - nearMHz) < std::abs(b - nearMHz); });
    return zeros;
}

LowestSwr lowestSwr(const std::vector<FrequencyPoint>& sweep, double FrequencyPoint::*swr) {
    const auto best =
        std::min_element(sweep.begin(), sweep.end(),
                         [swr](const FrequencyPoint& a, const FrequencyPoint& b) { return a.*swr < b.*swr; });
    const auto index = static_cast<std::size_t>(best - sweep.begin());
    return {best->mhz, (*best).*swr, index <= 1 || index + 2 >= sweep.size()};
}

CheckSummary summarise(const std::vector<FrequencyPoint>& sweep, const SweepPlan& plan) {
    CheckSummary s;
    s.resonancesMHz = reactanceZeros(sweep, plan.locked());
    s.lowestThroughSection = lowestSwr(sweep, &FrequencyPoint::swrThroughSection);
    s.lowestDirect = lowestSwr(sweep, &FrequencyPoint::swrDirect);
    s.below1_5 = spansBelow(sweep, 1.5);
    s.below2 = spansBelow(sweep, 2.0);
    s.swrAtLowEdge = sweep[plan.lowEdgeIndex].swrThroughSection;
    s.swrAtHighEdge = sweep[plan.highEdgeIndex].swrThroughSection;
    const FrequencyPoint& locked = sweep[plan.lockedIndex];
    s.gainAtLockedDbi = locked.forwardGainDbi;
    s.frontToBackAtLockedDb = locked.frontToBackDb;
    s.frontToRearAtLockedDb = locked.frontToRearDb;
    s.elevationDegrees = locked.elevationDegrees;
    return s;
}

}  // namespace loopbeam::nec
