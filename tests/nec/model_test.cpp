// The model's geometry against the design it came from, and its refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "nec/model/nec_model.h"
#include "nec/model/run_cost.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

double length(const Wire& w) { return std::hypot(w.to.x - w.from.x, w.to.y - w.from.y, w.to.z - w.from.z); }

double lowestZ(const Loop& loop) {
    double z = INFINITY;
    for (const Wire& w : loop.wires) z = std::min({z, w.from.z, w.to.z});
    return z;
}

class ModelGeometry : public testing::TestWithParam<std::tuple<int, LoopShape>> {};

TEST_P(ModelGeometry, LoopsKeepTheirLengthsOnTheBoomAndTheFeedSitsLowestCentre) {
    const QuadDesign design = sampleDesigns()[std::get<0>(GetParam())];
    const auto model = buildModel(design, {std::get<1>(GetParam()), std::nullopt});
    ASSERT_TRUE(model) << model.error().message;
    ASSERT_EQ(model->loops.size(), static_cast<std::size_t>(design.elements()));

    int segmentsBefore = 0;
    std::optional<int> feedNumber;
    for (std::size_t i = 0; i < model->loops.size(); ++i) {
        SCOPED_TRACE("loop " + std::to_string(i));
        const Loop& loop = model->loops[i];
        const double feet = design.feet.perimeters[i];
        double total = 0;
        for (std::size_t k = 0; k < loop.wires.size(); ++k) {
            const Wire& w = loop.wires[k];
            const Wire& next = loop.wires[(k + 1) % loop.wires.size()];
            total += length(w);
            EXPECT_EQ(w.to.x, next.from.x);  // joined exactly, or NEC-2 sees no junction
            EXPECT_EQ(w.to.y, next.from.y);
            EXPECT_EQ(w.to.z, next.from.z);
            EXPECT_NEAR(w.from.x, i * design.feet.spacings.front() * 0.3048, 1e-12);
            EXPECT_EQ(w.segments % 2, 1);
            EXPECT_GE(length(w) / w.segments, 8 * model->wireRadiusMetres);
            if (w.tag == model->feed.tag) {
                ASSERT_EQ(i, 1u);  // the driven loop
                const double t = (model->feed.segment - 0.5) / w.segments;
                EXPECT_NEAR(w.from.y + t * (w.to.y - w.from.y), 0, 1e-12);
                EXPECT_EQ(w.from.z, w.to.z);
                EXPECT_EQ(w.from.z, lowestZ(loop));
                feedNumber = segmentsBefore + model->feed.segment;
            }
            segmentsBefore += w.segments;
        }
        EXPECT_NEAR(total, feet * 0.3048, 1e-9 * total);
    }
    EXPECT_EQ(feedNumber, model->feed.number);
}

INSTANTIATE_TEST_SUITE_P(Designs, ModelGeometry,
                         testing::Combine(testing::Range(0, 4), testing::Values(LoopShape::Square, LoopShape::Diamond)),
                         [](const auto& info) {
                             const bool square = std::get<1>(info.param) == LoopShape::Square;
                             return "design" + std::to_string(std::get<0>(info.param)) +
                                    (square ? "Square" : "Diamond");
                         });

TEST(Model, SegmentRuleAndConfirmationForTheReferenceDesign) {
    // Sides against 1/40 wavelength at 14.91 MHz (0.5027 m): reflector 5.631 m
    // needs 11.2, so 13; driven 5.393 m and directors 5.155 m need 11.
    auto model = buildModel(quad14MHz(), {});
    ASSERT_TRUE(model);
    EXPECT_EQ(model->totalSegments(), 4 * 13 + 8 * 11);
    EXPECT_FALSE(needsConfirmation(*model));
    EXPECT_TRUE(needsConfirmation(*buildModel(quadOfMinutes(), {})));
}

TEST(Model, OverGroundTheLoopsAreCentredOnTheBoomHeight) {
    auto model = buildModel(quad14MHz(), {LoopShape::Square, 15.0});
    ASSERT_TRUE(model);
    for (const Loop& loop : model->loops) EXPECT_NEAR(lowestZ(loop), 15.0 - loop.perimeterMetres / 8, 1e-12);
}

TEST(Model, RefusesWhatTheThinWireModelCannotHoldAndSaysWhatToDo) {
    struct Case {
        const char* name;
        QuadDesign design;
        CheckOptions options;
        const char* says;
    };
    QuadDesign thick = sampleDesigns()[2], huge = sampleDesigns()[2], few = quad14MHz();
    thick.wireDiameterInches = 12;                                  // 8 radii: 1.2 m, a side is 0.54 m
    huge.feet.perimeters.assign(huge.feet.perimeters.size(), 200);  // sides 7.6 wavelengths
    few = withElements(few, 2);
    const Case cases[] = {
        {"thick wire", thick, {}, "too thick for a NEC-2 thin-wire model"},
        {"loops out of scale", huge, {}, "longer than 0.1 wavelength"},
        {"boom too low", quad14MHz(), {LoopShape::Square, 2.0}, "Raise the boom to at least 2.8"},
        {"two elements", few, {}, "3 to 50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto model = buildModel(c.design, c.options);
        ASSERT_FALSE(model);
        EXPECT_NE(model.error().message.find(c.says), std::string::npos) << model.error().message;
    }
}

TEST(Sweep, HoldsTheExactFrequenciesAndAtLeastFivePerCentEachSide) {
    struct Case {
        double locked, low, high, from, to;
    };
    for (const Case& c : {Case{14.2, 13.9969, 14.403, 13.49, 14.91}, Case{14.2, 13.0, 15.5, 13.0, 15.5}}) {
        SCOPED_TRACE(c.low);
        const SweepPlan plan = planSweep(c.locked, c.low, c.high);
        EXPECT_GE(plan.mhz.size(), 42u);  // the edges may stand for the grid's ends
        EXPECT_TRUE(std::is_sorted(plan.mhz.begin(), plan.mhz.end()));
        EXPECT_EQ(std::adjacent_find(plan.mhz.begin(), plan.mhz.end()), plan.mhz.end());
        EXPECT_EQ(plan.mhz[plan.lockedIndex], c.locked);
        EXPECT_EQ(plan.mhz[plan.lowEdgeIndex], c.low);
        EXPECT_EQ(plan.mhz[plan.highEdgeIndex], c.high);
        EXPECT_NEAR(plan.mhz.front(), c.from, 1e-9);
        EXPECT_NEAR(plan.mhz.back(), c.to, 1e-9);
        // The fitted sweep's 401 hold the direct sweep's 41 to the last bit, for a fallback to reuse its solves.
        const SweepPlan fine = planSweep(c.locked, c.low, c.high, kSweepPoints);
        EXPECT_GE(fine.mhz.size(), 401u);
        for (double f : plan.mhz) EXPECT_TRUE(std::binary_search(fine.mhz.begin(), fine.mhz.end(), f)) << f;
    }
    for (const int points : {kMinSweepPoints - 1, kMaxSweepPoints + 1}) {
        CheckOptions options;
        options.sweepPoints = points;
        EXPECT_FALSE(buildModel(quad14MHz(), options)) << points;
    }
}

}  // namespace
}  // namespace loopbeam::nec
