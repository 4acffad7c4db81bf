// The feed advice for impedances worked by hand: the SWR on 50 ohms fed
// directly, through quarter waves of 75 and 37.5 ohms (75^2 / Z and
// 37.5^2 / Z at the locked frequency), the ideal section sqrt(50 R), the
// recommendation and where it keeps the SWR below 2.

#include <gtest/gtest.h>

#include <algorithm>

#include "nec/check/feed_advice.h"
#include "nec/check/feed_report.h"

namespace loopbeam::nec {
namespace {

TEST(FeedAdvice, ImpedancesWorkedByHand) {
    using Z = std::complex<double>;
    const struct {
        const char* what;
        Z locked, sides;  // at 14.2 MHz, and at 13.8 and 14.6
        std::array<double, 3> swr;
        double ideal;
        FeedKind recommended;
        std::optional<std::pair<double, double>> below2;
    } cases[] = {
        // Fed directly the sides' SWR is 3: 2 is reached halfway to them.
        {"50 ohms", 50, 150, {1, 2.25, 1.7778}, 50, FeedKind::Direct, {{14.0, 14.4}}},
        // 75 ohms over 112.5 ohms at 87.46 and 92.54 degrees: SWR 1.038 at the sides.
        {"112.5 ohms", 112.5, 112.5, {2.25, 1, 4}, 75, FeedKind::QuarterWave75, {{13.8, 14.6}}},
        // |(-25 - j10) / (75 - j10)| = 0.35587; 37.5^2 / Z = 48.491 + j19.397: 0.19382.
        {"25 - j10 ohms",
         Z(25, -10),
         Z(25, -10),
         {2.1049, 4.5374, 1.4808},
         35.3553,
         FeedKind::QuarterWave37_5,
         {{13.8, 14.6}}},
        // The section's 1.4803 is within 0.05 of 1.52: nothing to cut.
        {"76 ohms", 76, 76, {1.52, 1.4803, 2.7022}, 61.6441, FeedKind::Direct, {{13.8, 14.6}}},
        {"10 + j80 ohms", Z(10, 80), Z(10, 80), {17.9443, 16.9688, 25.8850}, 22.3607, FeedKind::QuarterWave75, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CheckResult check;
        for (const auto& [mhz, z] : {std::pair{13.8, c.sides}, {14.2, c.locked}, {14.6, c.sides}})
            check.sweep.push_back({.mhz = mhz, .feedImpedance = z});
        const FeedAdvice advice = adviseFeed(check, 14.2, std::nullopt);
        for (std::size_t i = 0; i < kFeeds.size(); ++i) EXPECT_NEAR(advice.swr[i], c.swr[i], 1e-4) << kFeeds[i].word;
        EXPECT_NEAR(advice.idealSectionOhms, c.ideal, 1e-4);
        EXPECT_EQ(advice.recommended, c.recommended);
        ASSERT_EQ(advice.swrBelow2.has_value(), c.below2.has_value());
        if (c.below2) {
            EXPECT_NEAR(advice.swrBelow2->lowMHz, c.below2->first, 1e-9);
            EXPECT_NEAR(advice.swrBelow2->highMHz, c.below2->second, 1e-9);
        }
        EXPECT_FALSE(advice.sectionMetres);  // no cable chosen
    }
}

TEST(FeedAdvice, TheSectionIsCutAsTheMatchingWindowCutsIt) {
    CheckResult check;
    check.sweep.push_back({.mhz = 14.2, .feedImpedance = 75});
    // 492 / 14.2 x 0.66 / 2 = 11.43380 ft of RG-11.
    EXPECT_NEAR(*adviseFeed(check, 14.2, 0.66f).sectionMetres, 3.48502, 1e-5);
}

// Where no feed gives SWR below 2, the rows and the sentence say so rather than recommend one.
TEST(FeedAdvice, NoFeedBelow2IsSaid) {
    FeedAdvice advice;
    advice.lockedMHz = 14.2;
    advice.recommended = FeedKind::QuarterWave75;
    for (const auto& [swr, said] :
         {std::pair{1.9, "75-ohm quarter wave"}, std::pair{2.2, "none below SWR 2 (nearest: 75-ohm quarter wave)"}}) {
        advice.swr = {2.5, swr, 3};
        const std::vector<TextRow> rows = feedRows({&advice});
        const auto recommended =
            std::find_if(rows.begin(), rows.end(), [](const TextRow& r) { return r.label == "Recommended"; });
        ASSERT_NE(recommended, rows.end());
        EXPECT_EQ(recommended->values, std::vector<std::string>{said});
        EXPECT_EQ(recommendationText(advice, 14.2).starts_with("No feed"), swr >= 2);
    }
}

}  // namespace
}  // namespace loopbeam::nec
