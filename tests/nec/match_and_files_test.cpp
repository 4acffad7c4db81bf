// The matching section, the summary's interpolations and the sweep files,
// against values worked by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "common/checked_output.h"
#include "nec/check/check_summary.h"
#include "nec/check/feed_match.h"
#include "nec/check/sweep_files.h"

namespace loopbeam::nec {
namespace {

TEST(FeedMatch, TheQuarterWaveSectionIsAFixedLengthOfLine) {
    struct Case {
        std::complex<double> load;
        double fOverF0;
        std::complex<double> input;
    };
    const Case cases[] = {
        {112.5, 1, 50},                  // 75^2 / 112.5
        {{50, 50}, 1, {56.25, -56.25}},  // 5625 / (50 + j50)
        {75, 0.7, 75},                   // matched: any length
        {100, 2, 100},                   // half a wave repeats the load
        {100, 0.5, {72, -21}},           // tan 45 = 1: 75 (100 + j75) / (75 + j100)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fOverF0);
        const auto z = throughMatchingSection(c.load, 14.2 * c.fOverF0, 14.2);
        EXPECT_NEAR(z.real(), c.input.real(), 1e-9);
        EXPECT_NEAR(z.imag(), c.input.imag(), 1e-9);
    }
    EXPECT_DOUBLE_EQ(swr(50), 1);
    EXPECT_DOUBLE_EQ(swr(100), 2);
    EXPECT_DOUBLE_EQ(swr(25), 2);
}

FrequencyPoint point(double mhz, double swrThroughSection, double x) {
    FrequencyPoint p;
    p.mhz = mhz;
    p.swrThroughSection = swrThroughSection;
    p.feedImpedance = {50, x};
    return p;
}

TEST(Summary, SpansAndResonanceAreInterpolatedBetweenPoints) {
    const std::vector<FrequencyPoint> sweep{point(1, 2.5, -40), point(2, 1.2, -10), point(3, 1.2, 30),
                                            point(4, 1.8, 60), point(5, 1.4, 90)};
    const auto below = spansBelow(sweep, 1.5);
    ASSERT_EQ(below.size(), 2u);
    EXPECT_NEAR(below[0].lowMHz, 1 + 1.0 / 1.3, 1e-12);  // 2.5 falls to 1.2
    EXPECT_NEAR(below[0].highMHz, 3.5, 1e-12);
    EXPECT_FALSE(below[0].lowIsSweepEdge || below[0].highIsSweepEdge);
    EXPECT_NEAR(below[1].lowMHz, 4.75, 1e-12);
    EXPECT_TRUE(below[1].highIsSweepEdge);
    const std::vector<double> zeros = reactanceZeros(sweep, 2);
    ASSERT_EQ(zeros.size(), 1u);
    EXPECT_NEAR(zeros[0], 2.25, 1e-12);
    EXPECT_TRUE(reactanceZeros({point(1, 2, 5), point(2, 2, 9)}, 1).empty());
    EXPECT_TRUE(spansBelow(sweep, 1.1).empty());
}

TEST(SweepFiles, TouchstoneAndCsvCarryTheSweepAndWriteFailuresAreReported) {
    CheckResult result;
    result.sweep = {point(14.2, 1, 0), point(14.35, 1, 50)};
    result.sweep[0].feedImpedance = 100;  // S11 = 50 / 150
    std::ostringstream s1p, csv;
    writeTouchstone(s1p, result, std::vector<std::string>{"14.2 MHz quad"});
    EXPECT_EQ(s1p.str(),
              "! loopbeam NEC-2 check: S11 at the feed point against 50 ohms\n! 14.2 MHz quad\n# MHz S RI R 50\n"
              "14.2 0.33333333 0.00000000\n14.35 0.20000000 0.40000000\n");  // 50j / (100 + 50j)
    writeSweepCsv(csv, result);
    const std::string table = csv.str();
    EXPECT_EQ(table.substr(0, table.find('\n')),
              "frequency_MHz,R_ohm,X_ohm,SWR_50ohm_through_75ohm_section,SWR_50ohm_direct,forward_gain_dBi,"
              "front_to_back_dB,elevation_deg,front_to_rear_dB");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3);
    // A fitted frequency has no gain, F/B, elevation or F/R of its own: blank; a solve without the rear half, no F/R.
    result.sweep[0].frontToRearDb = NAN;
    result.sweep[1].solved = false;
    std::ostringstream fitted;
    writeSweepCsv(fitted, result);
    EXPECT_TRUE(fitted.str().ends_with(",0,\n14.35,50,50,1.0000,0.0000,,,,\n")) << fitted.str();

    const auto full = writeFile("/dev/full", table);
    ASSERT_TRUE(full);
    EXPECT_NE(full->find("No space left"), std::string::npos) << *full;
    EXPECT_TRUE(writeFile("/nonexistent/sweep.csv", table));
}

}  // namespace
}  // namespace loopbeam::nec
