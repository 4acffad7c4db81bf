#include "nec/check/feed_advice.h"

#include <algorithm>
#include <cmath>

#include "design/matching_section.h"
#include "design/units.h"

namespace loopbeam::nec {
namespace {

// Where the SWR through the feed stays below 2 on both sides of the locked
// point, edges interpolated linearly between sweep points.
std::optional<Span> spanBelow2(const std::vector<FrequencyPoint>& sweep, std::size_t locked, const FeedRow& feed) {
    constexpr double kLimit = 2;
    const double lockedMHz = sweep[locked].mhz;
    const auto swrAt = [&](std::size_t i) { return swrThrough(feed, sweep[i].feedImpedance, sweep[i].mhz, lockedMHz); };
    if (!(swrAt(locked) < kLimit)) return std::nullopt;
    const auto edge = [&](std::size_t inside, std::size_t outside) {
        const double a = swrAt(inside), b = swrAt(outside);
        if (!std::isfinite(b)) return sweep[inside].mhz;
        return sweep[inside].mhz + (kLimit - a) * (sweep[outside].mhz - sweep[inside].mhz) / (b - a);
    };
    std::size_t low = locked, high = locked;
    while (low > 0 && swrAt(low - 1) < kLimit) --low;
    while (high + 1 < sweep.size() && swrAt(high + 1) < kLimit) ++high;
    Span span;
    span.lowIsSweepEdge = low == 0;
    span.highIsSweepEdge = high + 1 == sweep.size();
    span.lowMHz = span.lowIsSweepEdge ? sweep[low].mhz : edge(low, low - 1);
    span.highMHz = span.highIsSweepEdge ? sweep[high].mhz : edge(high, high + 1);
    return span;
}

// The matching window's own arithmetic: a quarter wave inside the cable at the locked frequency.
std::optional<double> quarterWaveMetres(double lockedMHz, float velocityFactor) {
    DesignState state;
    state.freq = static_cast<float>(lockedMHz);
    state.velFactor = velocityFactor;
    if (!matchFeetInchesArithmetic(state)) return std::nullopt;
    return metresOf(state.matchLen);
}

}  // namespace

double swrThrough(const FeedRow& feed, std::complex<double> load, double mhz, double lockedMHz) {
    return swr(feed.cables == 0 ? load : throughQuarterWave(load, mhz, lockedMHz, sectionOhms(feed)));
}

FeedAdvice adviseFeed(const CheckResult& check, double lockedMHz, std::optional<float> velocityFactor) {
    // The sweep holds the locked frequency itself.
    const auto lockedPoint = std::min_element(
        check.sweep.begin(), check.sweep.end(),
        [&](const auto& a, const auto& b) { return std::abs(a.mhz - lockedMHz) < std::abs(b.mhz - lockedMHz); });
    const std::size_t locked = static_cast<std::size_t>(lockedPoint - check.sweep.begin());
    FeedAdvice advice;
    advice.impedance = lockedPoint->feedImpedance;
    advice.idealSectionOhms = std::sqrt(kSystemOhms * advice.impedance.real());
    std::size_t best = 0;
    for (std::size_t i = 0; i < kFeeds.size(); ++i) {
        advice.swr[i] = swrThrough(kFeeds[i], advice.impedance, lockedMHz, lockedMHz);
        if (advice.swr[i] < advice.swr[best]) best = i;
    }
    if (advice.swr[0] <= advice.swr[best] + kDirectFeedTie) best = 0;
    advice.recommended = kFeeds[best].key;
    advice.swrBelow2 = spanBelow2(check.sweep, locked, kFeeds[best]);
    if (velocityFactor) advice.sectionMetres = quarterWaveMetres(lockedMHz, *velocityFactor);
    return advice;
}

}  // namespace loopbeam::nec
