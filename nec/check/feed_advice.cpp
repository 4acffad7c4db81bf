#include "nec/check/feed_advice.h"

#include <algorithm>
#include <cmath>

#include "design/matching_section.h"
#include "design/units.h"
#include "nec/check/check_summary.h"

namespace loopbeam::nec {
namespace {

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

std::size_t feedIndex(FeedKind kind) {
    std::size_t i = 0;
    while (i + 1 < kFeeds.size() && kFeeds[i].key != kind) ++i;
    return i;
}

double swrThrough(const FeedRow& feed, const FrequencyPoint& point, double lockedMHz) {
    return swrThrough(feed, point.feedImpedance, point.mhz, lockedMHz);
}

FeedAdvice adviseFeed(const CheckResult& check, double lockedMHz, std::optional<float> velocityFactor) {
    // The sweep holds the locked frequency itself.
    const auto lockedPoint = std::min_element(
        check.sweep.begin(), check.sweep.end(),
        [&](const auto& a, const auto& b) { return std::abs(a.mhz - lockedMHz) < std::abs(b.mhz - lockedMHz); });
    FeedAdvice advice;
    advice.lockedMHz = lockedMHz;
    advice.impedance = lockedPoint->feedImpedance;
    advice.idealSectionOhms = std::sqrt(kSystemOhms * advice.impedance.real());
    std::size_t best = 0;
    for (std::size_t i = 0; i < kFeeds.size(); ++i) {
        advice.swr[i] = swrThrough(kFeeds[i], *lockedPoint, lockedMHz);
        if (advice.swr[i] < advice.swr[best]) best = i;
    }
    if (advice.swr[0] <= advice.swr[best] + kDirectFeedTie) best = 0;
    advice.recommended = kFeeds[best].key;
    const FeedRow& feed = kFeeds[best];
    advice.spansBelow2 = spansBelow(
        check.sweep, [&](const FrequencyPoint& p) { return swrThrough(feed, p, lockedMHz); }, 2);
    if (const Span* around = spanHolding(advice.spansBelow2, lockedPoint->mhz)) advice.swrBelow2 = *around;
    if (velocityFactor) advice.sectionMetres = quarterWaveMetres(lockedMHz, *velocityFactor);
    return advice;
}

}  // namespace loopbeam::nec
