#pragma once
// Which feed suits an antenna, from its feed impedance at the locked
// frequency: 50-ohm coax fed directly, or a quarter-wave section of one
// 75-ohm cable or of two in parallel (every cable the matching window lists
// is 75 ohms). The calculated design and a tuned one are advised alike.

#include <array>
#include <complex>
#include <optional>
#include <string_view>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/check/feed_match.h"

namespace loopbeam::nec {

struct FeedRow {
    FeedKind key;
    std::string_view word;  // as the JSON names it
    std::string_view name;  // as a reader sees it
    int cables;             // 75-ohm cables in parallel; none fed directly
};

inline constexpr std::array<FeedRow, 3> kFeeds{{
    {FeedKind::Direct, "direct-50", "50-ohm coax, direct", 0},
    {FeedKind::QuarterWave75, "quarter-wave-75", "75-ohm quarter wave", 1},
    {FeedKind::QuarterWave37_5, "quarter-wave-37.5", "37.5-ohm quarter wave (two 75-ohm)", 2},
}};

// A section's impedance: its cables in parallel.
inline double sectionOhms(const FeedRow& feed) { return kSectionOhms / feed.cables; }

// The SWR on 50 ohms through the feed, its section a quarter wave at the locked frequency.
double swrThrough(const FeedRow& feed, std::complex<double> load, double mhz, double lockedMHz);

// Its place in kFeeds.
std::size_t feedIndex(FeedKind kind);

// The same at a point of the sweep.
double swrThrough(const FeedRow& feed, const FrequencyPoint& point, double lockedMHz);

// Fed directly, nothing is cut: it wins a tie within this much SWR.
inline constexpr double kDirectFeedTie = 0.05;

struct FeedAdvice {
    double lockedMHz = 0;
    std::complex<double> impedance;           // at the locked frequency
    double idealSectionOhms = 0;              // sqrt(50 R): the quarter wave that would match R
    std::array<double, kFeeds.size()> swr{};  // at the locked frequency, in kFeeds' order
    FeedKind recommended = FeedKind::Direct;  // the lowest SWR
    std::vector<Span> spansBelow2;            // through the recommended feed, over the sweep
    std::optional<Span> swrBelow2;            // the one of them around the locked frequency
    std::optional<double> sectionMetres;      // a quarter wave in the cable chosen, as the matching window cuts it
};

// From a check's sweep; the velocity factor of the cable chosen in the matching window, if any.
FeedAdvice adviseFeed(const CheckResult& check, double lockedMHz, std::optional<float> velocityFactor);

}  // namespace loopbeam::nec
