// The spider of several bands without the engine: the bands it takes, every
// loop's corners on the arms (as calculated and once resized), the feed and
// the open feeds of each band's model.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "design/messages.h"
#include "nec/model/deck_writer.h"
#include "nec/multiband/band_check.h"

namespace loopbeam::nec {
namespace {

Outcome<MultibandDesign> bands(const std::vector<std::string>& typed) {
    return designBands(typed, 14, messages::forCommandLine);
}

// The loop's corners all lie on arms at the spider's angle to the boom.
void expectCornersOnArms(const Spider& spider, const SpiderLoop& loop) {
    const double tangent = std::tan(spider.armAngleDegrees * std::numbers::pi / 180);
    for (const Wire& w : loop.wires.wires) {
        for (const Point& p : {w.from, w.to}) {
            EXPECT_EQ(p.x, loop.positionMetres);
            const double radius = std::hypot(p.y, p.z - spider.centreZMetres);
            // A diamond's feed wire cuts its bottom corner: only its true corners reach the arms.
            if (radius > 0.99 * std::abs(loop.positionMetres) * tangent) {
                EXPECT_NEAR(radius, std::abs(loop.positionMetres) * tangent, 1e-9);
            }
        }
    }
    EXPECT_EQ(loop.positionMetres > 0, loop.driven);
}

TEST(SeveralBands, TheBandsAreSortedAndKeptTenPercentApart) {
    struct Case {
        std::vector<std::string> typed;
        bool accepted;
    };
    const Case cases[] = {
        {{"21.2", "14.2", "28.5"}, true},
        {{"10", "11"}, true},  // exactly 10% apart
        {{"10", "10.99"}, false},
        {{"28.5", "14.2", "26"}, false},  // closest once sorted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.front() + "," + c.typed.back());
        const auto design = bands(c.typed);
        ASSERT_EQ(design.has_value(), c.accepted);
        if (!design) continue;
        for (std::size_t i = 1; i < design->bands.size(); ++i)
            EXPECT_LT(design->bands[i - 1].mhz, design->bands[i].mhz);
    }
}

TEST(SeveralBands, ACommaBetweenDigitsWithNoPointIsNotTakenForTwoBands) {
    const struct {
        const char* typed;
        const char* refused;  // the pair named, or null
    } cases[] = {
        {"21,2", "\"21,2\""},      {"14.2, 21,25", "\"21,25\""},
        {"14.2,21.2", nullptr},    {"14.2,21", nullptr},
        {"14, 21", nullptr},       {"", nullptr},
        {"7,1 , 10.1", "\"7,1\""}, {",21,", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto message = decimalCommaIn(c.typed);
        ASSERT_EQ(message.has_value(), c.refused != nullptr);
        if (message) {
            EXPECT_EQ(message->rfind(c.refused, 0), 0u) << *message;
        }
    }
}

// Every wire is segmented for the highest band: a band far below it is named, not the design blamed.
TEST(SeveralBands, ABandTooFarBelowTheHighestIsNamed) {
    const auto far = bands({"0.5", "14.2"});
    ASSERT_TRUE(far);
    const auto refused = buildSpider(*far, {}, UnusedFeeds::Closed);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message.rfind("The 0.5 MHz band is too far below the 14.2 MHz band for one spider", 0),
              0u)
        << refused.error().message;
    const auto widest = bands({"1.83", "28.5"});  // 160 and 10 m still share one
    ASSERT_TRUE(widest);
    EXPECT_TRUE(buildSpider(*widest, {}, UnusedFeeds::Closed));
}

TEST(SeveralBands, EveryLoopsCornersStayOnTheArmsAsCalculatedAndResized) {
    const auto design = bands({"14.2", "18.1", "21.2"});
    ASSERT_TRUE(design);
    for (const LoopShape shape : {LoopShape::Square, LoopShape::Diamond})
        for (const std::optional<double> height : {std::optional<double>(), std::optional<double>(15.0)}) {
            SCOPED_TRACE(testing::Message()
                         << (shape == LoopShape::Square ? "square" : "diamond") << " at " << height.value_or(0));
            auto spider = buildSpider(*design, {shape, height}, UnusedFeeds::Closed);
            ASSERT_TRUE(spider) << spider.error().message;
            ASSERT_EQ(spider->loops.size(), 6u);
            for (const SpiderLoop& loop : spider->loops) expectCornersOnArms(*spider, loop);
            // The rules scale every band alike: the arms keep each band's spacing.
            for (std::size_t band = 0; band < 3; ++band)
                EXPECT_NEAR(spiderSpacingMetres(*spider, band), design->bands[band].spacingFeet * kMetresPerFoot, 1e-3);

            const SpiderLoop before = spider->loops[3];
            resizeLoop(*spider, 3, before.perimeterMetres * 1.02);
            const SpiderLoop& after = spider->loops[3];
            expectCornersOnArms(*spider, after);
            EXPECT_NEAR(after.positionMetres, before.positionMetres * 1.02, 1e-3 * before.positionMetres);
            EXPECT_EQ(after.wires.wires.back().segments, before.wires.wires.back().segments);
        }
}

TEST(SeveralBands, EachBandIsFedOnItsOwnDrivenLoopAndTheOthersAreOpenOrClosed) {
    const auto design = bands({"14.2", "21.2", "28.5"});
    ASSERT_TRUE(design);
    for (const UnusedFeeds unused : {UnusedFeeds::Closed, UnusedFeeds::Open}) {
        const auto spider = buildSpider(*design, {}, unused);
        ASSERT_TRUE(spider);
        for (std::size_t band = 0; band < 3; ++band) {
            SCOPED_TRACE(band);
            const auto model = bandModel(*design, *spider, {}, band);
            ASSERT_TRUE(model) << model.error().message;
            EXPECT_EQ(model->sweep.locked(), design->bands[band].mhz);
            // Loops band by band, reflector then driven: the fed wire is the band's driven loop's first.
            const Loop& driven = model->loops[2 * band + 1];
            EXPECT_EQ(model->feed.tag, driven.wires.front().tag);
            EXPECT_EQ(model->openFeeds.size(), unused == UnusedFeeds::Open ? 2u : 0u);
            for (const FeedSegment& open : model->openFeeds) EXPECT_NE(open.tag, model->feed.tag);
            const std::string deck = writeDeck(*model, std::vector<FrequencyRequest>{{design->bands[band].mhz, false}});
            EXPECT_EQ(deck.find("LD 0 ") != std::string::npos, unused == UnusedFeeds::Open);
            // Loops band by band are no boom of directors: the deck names none.
            EXPECT_EQ(deck.find("Director"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace loopbeam::nec
