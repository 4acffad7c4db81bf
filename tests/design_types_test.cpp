#include "design/design_types.h"

#include <gtest/gtest.h>

#include <cmath>

#include "design/tables.h"

namespace loopbeam {
namespace {

TEST(StandardHighGain, ConstantsFollowTheElementCount) {
    struct Case {
        std::int16_t elements;
        float dirCount, dirConst, refConst;
    };
    const Case cases[] = {{3, 1, 975, 1065}, {4, 2, 1011, 1059}, {5, 3, 984, 1083},   {6, 4, 1008, 1059},
                          {7, 5, 981, 1083}, {8, 6, 969, 1068},  {49, 47, 981, 1083}, {50, 48, 969, 1068}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.elements);
        DesignState state;
        selectStandardHighGain(state, c.elements);
        EXPECT_EQ(state.dirCount, c.dirCount);
        EXPECT_EQ(state.dirConst, c.dirConst);
        EXPECT_EQ(state.refConst, c.refConst);
    }
}

TEST(DesignTypes, OtherTypesKeepTheDirectorCountAndIgnoreTheElements) {
    DesignState state;
    selectStandardHighGain(state, 10);
    selectSpecial4or8(state);
    EXPECT_EQ(state.dirCount, 8);
    EXPECT_EQ(state.dirConst, 987);
    EXPECT_EQ(state.refConst, 1065);
    selectDoubleReflector(state);
    EXPECT_EQ(state.dirCount, 8);
    EXPECT_EQ(state.dirConst, 981);
    EXPECT_EQ(state.refConst, 1053);
    EXPECT_TRUE(designTypeChosen(state));
    EXPECT_FALSE(designTypeChosen(DesignState{}));
}

TEST(WireGauge, EveryGaugeOfTheBarHasADiameter) {
    const float inches[] = {0.101f, 0.091f, 0.081f, 0.072f, 0.064f, 0.057f, 0.051f, 0.045f, 0.04f, 0.036f, 0.032f};
    for (std::int16_t gauge = 10; gauge <= 20; ++gauge) {
        SCOPED_TRACE(gauge);
        EXPECT_EQ(wireDiameter(gauge), inches[gauge - 10]);
    }
    EXPECT_FALSE(wireDiameter(9).has_value());
    EXPECT_FALSE(wireDiameter(21).has_value());
}

TEST(DrivenLoopConstant, BandsIncludeTheirLowerThreshold) {
    struct Case {
        float ratio;
        float constant;
    };
    const Case cases[] = {
        {-0.001f, 1005}, {0.0f, 1005},    {std::nextafter(0.0003f, 0.0f), 1005},
        {0.0003f, 1007}, {0.0004f, 1010}, {0.0006f, 1012},
        {0.0008f, 1015}, {0.0012f, 1020}, {0.0016f, 1022},
        {0.002f, 1025},  {0.0024f, 1027}, {std::nextafter(0.0028f, 0.0f), 1027},
        {0.0028f, 1032}, {0.01f, 1032},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        EXPECT_EQ(drivenLoopConstant(c.ratio), c.constant);
    }
}

}  // namespace
}  // namespace loopbeam
