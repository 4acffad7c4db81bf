// Unequal gaps and directors of different lengths: the model against a deck
// written by hand on the real nec2c, built from the design or laid again
// from the calculated one, and where the cut list puts the loops.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "nec/cut/cut_sheet.h"
#include "nec/engine/engine_run.h"
#include "nec/model/deck_writer.h"
#include "nec/tuning/comparison.h"
#include "nec/tuning/evaluation.h"
#include "nec2c_printout.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

// 28.5 MHz, 4 elements, AWG 14: perimeters 36.61145, 35.26316, 34.95201 and
// 34.4 ft, gaps 5.2, 5.9 and 6.6 ft. Half sides p x 0.3048 / 8: 1.394896245,
// 1.343526396, 1.331671581, 1.31064 m; along the boom 0, 1.58496, 3.38328 and
// 5.39496 m; radius 0.0008128 m; 13 segments a side on the reflector, 11 on
// the others; fed at the driven loop's bottom centre; copper.
constexpr const char* kTaperedDeck = R"(CM 28.5 MHz 4 element quad, unequal gaps and directors, written by hand
CE
GW 1 13 0 -1.394896245 -1.394896245 0 1.394896245 -1.394896245 0.0008128
GW 2 13 0 1.394896245 -1.394896245 0 1.394896245 1.394896245 0.0008128
GW 3 13 0 1.394896245 1.394896245 0 -1.394896245 1.394896245 0.0008128
GW 4 13 0 -1.394896245 1.394896245 0 -1.394896245 -1.394896245 0.0008128
GW 5 11 1.58496 -1.343526396 -1.343526396 1.58496 1.343526396 -1.343526396 0.0008128
GW 6 11 1.58496 1.343526396 -1.343526396 1.58496 1.343526396 1.343526396 0.0008128
GW 7 11 1.58496 1.343526396 1.343526396 1.58496 -1.343526396 1.343526396 0.0008128
GW 8 11 1.58496 -1.343526396 1.343526396 1.58496 -1.343526396 -1.343526396 0.0008128
GW 9 11 3.38328 -1.331671581 -1.331671581 3.38328 1.331671581 -1.331671581 0.0008128
GW 10 11 3.38328 1.331671581 -1.331671581 3.38328 1.331671581 1.331671581 0.0008128
GW 11 11 3.38328 1.331671581 1.331671581 3.38328 -1.331671581 1.331671581 0.0008128
GW 12 11 3.38328 -1.331671581 1.331671581 3.38328 -1.331671581 -1.331671581 0.0008128
GW 13 11 5.39496 -1.31064 -1.31064 5.39496 1.31064 -1.31064 0.0008128
GW 14 11 5.39496 1.31064 -1.31064 5.39496 1.31064 1.31064 0.0008128
GW 15 11 5.39496 1.31064 1.31064 5.39496 -1.31064 1.31064 0.0008128
GW 16 11 5.39496 -1.31064 1.31064 5.39496 -1.31064 -1.31064 0.0008128
GE 0
LD 5 0 0 0 5.8E7
EX 0 5 6 0 1 0
FR 0 1 0 0 28.5 0
RP 0 1 1 1000 90 0 0 0
EN
)";

constexpr double kFoot = 0.3048;

QuadDesign taperedDesign() {
    QuadDesign design = sampleDesigns()[3];
    design.feet.perimeters.back() = 34.4;
    design.feet.spacings = {5.2, 5.9, 6.6};
    return design;
}

BoomLayout inMetres(const BoomLayout& feet) {
    BoomLayout metres;
    for (const double p : feet.perimeters) metres.perimeters.push_back(p * kFoot);
    for (const double s : feet.spacings) metres.spacings.push_back(s * kFoot);
    return metres;
}

TEST(EngineBoomLayout, UnequalGapsAndDirectorsAgreeWithADeckWrittenByHand) {
    const auto output = runNec2c({{kTaperedDeck, 1, 60}}, {});
    ASSERT_TRUE(output) << output.error().message;
    const std::vector<Figures> reference = referenceFigures(output->front());
    ASSERT_EQ(reference.size(), 1u);
    const std::complex<double> hand(reference[0].r, reference[0].x);

    const auto built = buildModel(taperedDesign(), {});
    ASSERT_TRUE(built) << built.error().message;
    // The calculated design's model with the tuning's lengths and gaps.
    const auto calculated = buildModel(sampleDesigns()[3], {});
    ASSERT_TRUE(calculated);
    const auto relaid = relaidModel(*calculated, inMetres(taperedDesign().feet));
    ASSERT_TRUE(relaid) << relaid.error().message;
    for (const auto& [name, model] : {std::pair{"built", &*built}, {"laid again", &*relaid}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(model->totalSegments(), 4 * 13 + 12 * 11);
        const Probe probe{model, 28.5};
        const auto solved = solveSideBySide(std::span(&probe, 1), {});
        ASSERT_TRUE(solved) << solved.error().message;
        const std::complex<double> z = solved->front().feedImpedance;
        EXPECT_LT(std::abs(z - hand), 0.001 * std::abs(hand)) << z << " against " << hand;
    }
    // A reader of the deck learns the layout without a calculator.
    EXPECT_NE(writeDeck(*built, {})
                  .find("CM Spacings from the reflector: 1.5850, 1.7983, 2.0117 m\n"
                        "CM Director perimeters from the first: 10.6534, 10.4851 m\n"),
              std::string::npos);
}

TEST(BoomLayout, TheCutListAndTheSummaryFollowTheTunedGaps) {
    const QuadDesign design = sampleDesigns()[3];
    const NecModel calculated = *buildModel(design, {});
    Tuned tuned;
    // Gaps a float holds exactly: the loops at 0, 1.5, 3.25 and 5.25 m.
    BoomLayout metres = layoutOf(calculated);
    metres.spacings = {1.5, 1.75, 2};
    metres.perimeters.back() *= 0.99;
    tuned.model = *relaidModel(calculated, metres);
    const std::vector<CutRow> rows = cutRows(calculated, &tuned);
    ASSERT_EQ(rows.size(), 4u);
    const double positions[] = {0, 1.5, 3.25, 5.25};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].element);
        EXPECT_EQ(rows[i].boomMetres, positions[i]);
        // Only the last director's wire changed.
        EXPECT_EQ(rows[i].calculatedWireMetres.has_value(), i == 3);
        EXPECT_EQ(rows[i].wireMetres, metres.perimeters[i]);
    }

    // The calculated boom: 3 x 5.69441 ft = 5.206868 m.
    FeedAdvice feed;
    CheckResult check;
    const CutListFacts facts{"28.5 MHz", &design, &calculated, &check, &tuned, &feed, std::nullopt};
    EXPECT_EQ(cutSheet(facts, CutUnits::Metres).notes.front(),
              "The boom from the reflector to the last director: 5.250 m, 5.207 m as calculated (+4.3 cm  +0.83%).");
    const auto boom = boomRow(calculated, tuned.model);
    ASSERT_TRUE(boom);
    EXPECT_EQ(boom->values, (std::vector<std::string>{"5.207 m", "5.250 m (+0.043 m, +0.83%)"}));
    EXPECT_FALSE(boomRow(calculated, calculated));
}

TEST(BoomLayout, ALayoutThatIsNoQuadOfTheDesignsLoopsIsRefused) {
    const NecModel calculated = *buildModel(sampleDesigns()[3], {});
    const BoomLayout as = layoutOf(calculated);
    BoomLayout fewer = as, noGap = as, negative = as, notANumber = as;
    fewer.perimeters.pop_back();
    noGap.spacings[1] = 0;
    negative.perimeters[2] = -1;
    notANumber.spacings[0] = NAN;
    for (const auto& [name, layout, says] : {std::tuple{"a loop fewer", fewer, "3 loops and 3 gaps"},
                                             {"no gap", noGap, "not above 0 m"},
                                             {"a negative loop", negative, "not above 0 m"},
                                             {"not a number", notANumber, "not above 0 m"}}) {
        SCOPED_TRACE(name);
        const auto model = relaidModel(calculated, layout);
        ASSERT_FALSE(model);
        EXPECT_NE(model.error().message.find(says), std::string::npos) << model.error().message;
    }
    EXPECT_EQ(layoutOf(*relaidModel(calculated, as)), as);
}

}  // namespace
}  // namespace loopbeam::nec
