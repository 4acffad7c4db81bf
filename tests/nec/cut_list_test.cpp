// The cut list of the 14.2 MHz, 3-element design worked by hand (feet of the
// calculation times 0.3048, inches of 0.0254 m): sixteenths of an inch
// reduced and rounded at the half, carried into the foot; millimetres; the
// spreader arm, a perimeter over 4 sqrt 2; the change of a tuned loop; what
// the rounding moves; the CSV; and the summary side by side.

#include <gtest/gtest.h>

#include "csv_read_back.h"
#include "nec/cut/cut_sheet.h"
#include "nec/cut/typed_length.h"
#include "nec/tuning/comparison.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

constexpr double kInch = 0.0254;

TEST(CutLengths, SixteenthsOfAnInchRoundedAtTheHalfAndMillimetres) {
    const struct {
        double inches;
        const char* feetInches;
    } cases[] = {
        {849.2813, "70 ft 9 5/16 in"},  // just over 9 9/32: up
        {849.2812, "70 ft 9 1/4 in"},   // just under: down, 4/16 reduced
        {143.98, "12 ft 0 in"},         // 11 ft 11 63/64 carries into the foot
        {6.5, "0 ft 6 1/2 in"},        {18.75, "1 ft 6 3/4 in"},
    };
    for (const auto& c : cases) EXPECT_EQ(feetInchesText(c.inches * kInch), c.feetInches) << c.inches;
    EXPECT_EQ(metresText(1.00049), "1.000 m");
    EXPECT_EQ(metresText(1.00051), "1.001 m");
    // 21.572113 m +1%: 8.493 in, 21.57 cm.
    EXPECT_EQ(changeText(21.57211332, 21.7878344532, CutUnits::FeetInches), "+8.49 in  +1.00%");
    EXPECT_EQ(changeText(21.57211332, 21.7878344532, CutUnits::Metres), "+21.6 cm  +1.00%");
}

// What a builder types into the As cut column, worked by hand; a decimal
// comma is no decimal point.
TEST(CutLengths, ATypedLengthReadsAsTheListShowsIt) {
    const struct {
        const char* text;
        CutUnits units;
        double metres;  // 0: refused
    } cases[] = {
        {"70 ft 9 5/16 in", CutUnits::FeetInches, 849.3125 * kInch},
        {" 70ft 9in ", CutUnits::FeetInches, 849 * kInch},
        {"70' 9.5\"", CutUnits::Metres, 849.5 * kInch},
        {"70 ft 9 5/16", CutUnits::FeetInches, 849.3125 * kInch},
        {"849 in", CutUnits::FeetInches, 849 * kInch},
        {"70 ft", CutUnits::FeetInches, 840 * kInch},
        {"21.572 m", CutUnits::FeetInches, 21.572},
        {"21.572", CutUnits::Metres, 21.572},
        {"21.572", CutUnits::FeetInches, 0},
        {"21,572", CutUnits::Metres, 0},
        {"70 ft 13 in", CutUnits::FeetInches, 0},
        {"9 in 70 ft", CutUnits::FeetInches, 0},
        {"5/0 in", CutUnits::FeetInches, 0},
        {"1000 m", CutUnits::Metres, 0},
        {"", CutUnits::Metres, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto metres = typedLength(c.text, c.units);
        if (c.metres == 0) {
            EXPECT_FALSE(metres);
            continue;
        }
        ASSERT_TRUE(metres) << metres.error().message;
        EXPECT_NEAR(*metres, c.metres, 1e-12);
    }
}

struct Listed {
    QuadDesign design = quad14MHz();
    NecModel model = *buildModel(design, {});
    CheckResult check;
    FeedAdvice feed;
    Listed() {
        // X from -50 to +50 ohms over 14.0 to 14.4 MHz: 14.2 x 250 = 3550 ohms a unit of scale.
        check.sweep = {{.mhz = 14.0, .feedImpedance = {70, -50}}, {.mhz = 14.4, .feedImpedance = {70, 50}}};
        feed.swr = {1.4, 1.2, 2.5};
        feed.recommended = FeedKind::QuarterWave75;
        feed.lockedMHz = 14.2;
        feed.spansBelow2 = {Span{14.05, 14.35}};
        feed.swrBelow2 = feed.spansBelow2.front();
        feed.sectionMetres = 3.48502;
    }
    // The driven loop 1% longer, as a tuning for resonance leaves it.
    Tuned drivenLonger() const {
        Tuned tuned;
        tuned.scales.driven = 1.01;
        tuned.model = *scaledModel(model, tuned.scales);
        tuned.reactanceSlope = 3550;
        return tuned;
    }
    CutListFacts facts(const Tuned* tuned) {
        return {"14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN", &design, &model, &check, tuned, &feed, kCables[1]};
    }
};

TEST(CutList, TheCalculatedDesignInFeetAndInchesAndInMetres) {
    Listed listed;
    const CutSheet feet = cutSheet(listed.facts(nullptr), CutUnits::FeetInches);
    EXPECT_EQ(feet.title, "Cut list: 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN, as calculated");
    const std::vector<std::vector<std::string>> rows{
        // 73.89706 ft: 886.765 in; a side 221.691 in; the arm 156.759 in; at the boom's end.
        {"Reflector", "73 ft 10 3/4 in", "18 ft 5 11/16 in", "13 ft 0 3/4 in", "0 ft 0 in"},
        // 70.77465 ft: 849.296 in, 212.324, 150.136; 11.42892 ft on.
        {"Driven element", "70 ft 9 5/16 in", "17 ft 8 5/16 in", "12 ft 6 1/8 in", "11 ft 5 1/8 in"},
        // 67.65224 ft: 811.827 in, 202.957, 143.512; 22.85784 ft on.
        {"Director 1", "67 ft 7 13/16 in", "16 ft 10 15/16 in", "11 ft 11 1/2 in", "22 ft 10 5/16 in"},
    };
    EXPECT_EQ(feet.rows, rows);
    EXPECT_EQ(feet.notes[2],
              "Recommended feed: 75-ohm quarter wave, SWR 1.20 at 14.2 MHz; below 2 with it: 14.050 to 14.350 MHz, "
              "around 14.2 MHz.");
    EXPECT_EQ(feet.notes[3],
              "A quarter-wave section in RG-11 (velocity factor 0.66), as the matching window cuts it: 11 ft 5 3/16 "
              "in.");
    // Fed directly, nothing to cut; no feed below 2, it says so rather than recommend.
    listed.feed.recommended = FeedKind::Direct;
    EXPECT_EQ(cutSheet(listed.facts(nullptr), CutUnits::FeetInches).notes[3],
              "Fed directly, it needs no quarter-wave section.");
    listed.feed.swr = {2.4, 2.2, 2.5};
    listed.feed.recommended = FeedKind::QuarterWave75;
    listed.feed.spansBelow2 = {Span{14.25, 14.35}};
    EXPECT_EQ(cutSheet(listed.facts(nullptr), CutUnits::FeetInches).notes[2],
              "No feed gives SWR below 2 at 14.2 MHz: the 75-ohm quarter wave comes nearest, SWR 2.20; below 2 with "
              "it: none at 14.2 MHz: below 2 from 14.250 to 14.350 MHz.");
    // 1/32 in of 21.572 m is 0.0037%, times 3550 ohms 0.13 ohm; 0.5 mm 0.0023%, 0.08 ohm.
    EXPECT_EQ(feet.notes[4],
              "Cut to the nearest 1/16 inch, a loop is at most 1/32 inch off: 0.0037% of the driven "
              "loop, which moves X at 14.2 MHz by up to 0.13 ohm.");
    const CutSheet metres = cutSheet(listed.facts(nullptr), CutUnits::Metres);
    EXPECT_EQ(metres.rows[0], (std::vector<std::string>{"Reflector", "22.524 m", "5.631 m", "3.982 m", "0.000 m"}));
    EXPECT_EQ(metres.rows[2][4], "6.967 m");
    EXPECT_EQ(metres.notes[4],
              "Cut to the nearest millimetre, a loop is at most 0.5 mm off: 0.0023% of the driven "
              "loop, which moves X at 14.2 MHz by up to 0.08 ohm.");
}

TEST(CutList, TheCsvReadsBackAsNumbers) {
    Listed listed;
    const Tuned tuned = listed.drivenLonger();
    const CutSheet calculated = cutSheet(listed.facts(nullptr), CutUnits::Metres);
    const std::string csv = csvText(calculated);
    const std::string feetCsv = csvText(cutSheet(listed.facts(nullptr), CutUnits::FeetInches));
    EXPECT_EQ(csv.substr(csv.find("\nelement,")), feetCsv.substr(feetCsv.find("\nelement,")));
    EXPECT_TRUE(
        csv.starts_with("# Cut list: 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN, as calculated\n# "
                        "NEC-2 model: free space"))
        << csv;
    EXPECT_NE(csv.find("\n# The spreader arm runs from the hub to the wire's corner"), std::string::npos);
    EXPECT_NE(
        csv.find(
            "\nelement,wire_m,wire_in,wire_feet_inches,side_m,side_in,side_feet_inches,arm_m,arm_in,arm_feet_inches,"
            "position_m,position_in,position_feet_inches\n"
            "reflector,22.523824,886.765,73 ft 10 3/4 in,"),
        std::string::npos)
        << csv;
    // 73.89706 + 70.77465 + 67.65224 ft of wire: 64.588636 m.
    const std::string read = readBack(csv);
    EXPECT_NE(read.find("reflector wire_m=22.523824 wire_in=886.765 side_m=5.630956"), std::string::npos) << read;
    EXPECT_NE(read.find("\ndirector_1 wire_m=20.620403 wire_in=811.827 side_m=5.155101 side_in=202.957 "
                        "arm_m=3.645207 arm_in=143.512 position_m=6.96707 position_in=274.294\n"),
              std::string::npos)
        << read;

    // 21.572113 m x 1.01 = 21.787834 m: +0.215721 m, +8.493 in, +1%.
    const std::string tunedRead = readBack(csvText(cutSheet(listed.facts(&tuned), CutUnits::FeetInches)));
    EXPECT_NE(tunedRead.find("\ndriven wire_m=21.787834 wire_in=857.789"), std::string::npos) << tunedRead;
    EXPECT_NE(tunedRead.find("calculated_wire_m=21.572113 change_m=0.215721 change_in=8.493 change_percent=1.0\n"),
              std::string::npos)
        << tunedRead;
    EXPECT_NE(tunedRead.find("change_m=0.0 change_in=0.0 change_percent=0.0\ndriven"), std::string::npos) << tunedRead;
}

TEST(CutList, ATunedDesignSaysWhatChanged) {
    Listed listed;
    const Tuned tuned = listed.drivenLonger();
    const CutSheet sheet = cutSheet(listed.facts(&tuned), CutUnits::FeetInches);
    EXPECT_EQ(sheet.title,
              "Cut list: 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN, tuned for resonance with nec2c");
    EXPECT_EQ(sheet.header.back(), "Change of the wire");
    EXPECT_EQ(sheet.rows[0].back(), "unchanged");
    // 21.572113 m x 1.01 = 21.787834 m: 857.789 in.
    EXPECT_EQ(sheet.rows[1][1], "71 ft 5 13/16 in");
    EXPECT_EQ(sheet.rows[1].back(), "+8.49 in  +1.00%");
    EXPECT_EQ(sheet.rows[2].back(), "unchanged");
    EXPECT_EQ(sheet.notes[1], "Wire factor: 1 (bare wire).");
}

TEST(Comparison, SummaryLinesSideBySide) {
    const std::vector<SummaryLine> calculated{{"Resonance (X = 0)", "14.292 MHz"}, {"SWR below 2", "none"}};
    const std::vector<SummaryLine> tuned{{"Resonances (X = 0), nearest first", "14.200 and 14.9 MHz"},
                                         {"SWR below 2", "13.9 to 14.5 MHz"}};
    const std::vector<TextRow> rows = sideBySide(calculated, tuned);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].label, "Resonances (X = 0), nearest first");
    EXPECT_EQ(rows[0].values, (std::vector<std::string>{"14.292 MHz", "14.200 and 14.9 MHz"}));
    EXPECT_EQ(sideBySide(calculated, {})[1].values, std::vector<std::string>{"none"});
}

}  // namespace
}  // namespace loopbeam::nec
