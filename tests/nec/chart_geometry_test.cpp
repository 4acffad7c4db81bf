// What the charts draw, worked by hand: impedances on the Smith chart and its
// circles, the vertical plane through the boom, the -3 dB lobe.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "nec/check/pattern_figures.h"
#include "nec/check/smith_chart_geometry.h"

namespace loopbeam::nec {
namespace {

bool onCircle(std::complex<double> point, const Circle& circle) {
    return std::abs(std::abs(point - std::complex<double>(circle.centreX, circle.centreY)) - circle.radius) < 1e-12;
}

TEST(SmithChart, ImpedancesLieWhereTheChartDrawsThem) {
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        std::complex<double> ohms;
        std::complex<double> point;
    };
    const Case cases[] = {
        {50, 0},                 // matched: the centre
        {0, -1},                 // a short: the left end
        {infinity, 1},           // an open: the right end
        {{50, 50}, {0.2, 0.4}},  // j / (2 + j)
        {{0, 50}, {0, 1}},       // inductive: the top
        {25, -1.0 / 3},
        {100, 1.0 / 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ohms);
        const std::complex<double> point = smithPoint(c.ohms);
        EXPECT_NEAR(point.real(), c.point.real(), 1e-12);
        EXPECT_NEAR(point.imag(), c.point.imag(), 1e-12);
    }
    EXPECT_TRUE(onCircle(smithPoint({50, 50}), resistanceCircle(1)));
    EXPECT_TRUE(onCircle(smithPoint({50, 50}), reactanceCircle(1)));
    EXPECT_TRUE(onCircle(smithPoint({25, -100}), resistanceCircle(0.5)));
    EXPECT_TRUE(onCircle(smithPoint({25, -100}), reactanceCircle(-2)));
    for (const double ohms : {25.0, 100.0}) EXPECT_TRUE(onCircle(smithPoint(ohms), swrCircle(2)));
}

TEST(Patterns, TheVerticalPlaneRunsFromAheadOverTheTopToBehind) {
    const std::vector<Direction> cut{{0, 0, 1}, {90, 0, 2}, {180, 0, 3}, {0, 180, 1}, {90, 180, 4}, {180, 180, 3}};
    const std::vector<ElevationPoint> plane = elevationPlane(cut);
    const std::vector<std::pair<double, double>> expected{{-90, 3}, {0, 2}, {90, 1}, {180, 4}, {270, 3}};
    ASSERT_EQ(plane.size(), expected.size());
    for (std::size_t i = 0; i < plane.size(); ++i) {
        EXPECT_EQ(plane[i].elevationDegrees, expected[i].first);
        EXPECT_EQ(plane[i].gainDbi, expected[i].second);
    }
}

TEST(Patterns, TheHalfPowerLobe) {
    // Forward: 1 dB down each 10 degrees either way, so 3 dB down at -30 and +30, across 0/360.
    std::vector<PatternPoint> azimuth;
    for (double phi = 0; phi < 360; phi += 5) azimuth.push_back({phi, 8 - std::min(phi, 360 - phi) / 10});
    const auto forward = forwardLobe(azimuth);
    ASSERT_TRUE(forward);
    EXPECT_NEAR(forward->fromDegrees, -30, 1e-9);
    EXPECT_NEAR(forward->toDegrees, 30, 1e-9);
    EXPECT_NEAR(forward->width(), 60, 1e-9);

    // Over ground: a lobe peaking at 20 degrees, 3 dB down at 5 and at 35; from a start on its flank.
    std::vector<ElevationPoint> elevation;
    for (double e = 0; e <= 90; ++e) elevation.push_back({e, 10 - std::abs(e - 20) / 5});
    const auto takeOff = lobeAt(elevation, 25);
    ASSERT_TRUE(takeOff);
    EXPECT_NEAR(takeOff->fromDegrees, 5, 1e-9);
    EXPECT_NEAR(takeOff->toDegrees, 35, 1e-9);

    // Never 3 dB down: no lobe to measure.
    std::vector<PatternPoint> round;
    for (double phi = 0; phi < 360; phi += 5) round.push_back({phi, 2});
    EXPECT_FALSE(forwardLobe(round));
}

}  // namespace
}  // namespace loopbeam::nec
