#include "design/dimensions.h"

#include <gtest/gtest.h>

#include "design/messages.h"

#include <vector>

#include "design/design_types.h"

namespace loopbeam {
namespace {

using Texts = std::vector<std::string>;

// Text14..Text19, Text20, Text27, Text21..Text26: the writing order.
Texts textsOf(const MainTexts& texts) {
    Texts out;
    for (const auto& t : texts) out.push_back(t.text.str());
    return out;
}

DesignState locked(float freq) {
    DesignState state;
    state.freq = freq;
    return state;
}

TEST(Dimensions, WorkedExamplesShowExactTexts) {
    struct Case {
        const char* name;
        float freq;
        std::int16_t gauge, elements;
        void (*designType)(DesignState&, std::int16_t);
        float drivenConst;
        Texts texts;
    };
    const auto standard = [](DesignState& s, std::int16_t n) { selectStandardHighGain(s, n); };
    const auto doubleReflector = [](DesignState& s, std::int16_t) { selectDoubleReflector(s); };
    const Case cases[] = {
        {"14.2 MHz, AWG 14, 3 elements, standard",
         14.2f,
         14,
         3,
         standard,
         1005,
         {"67", "70", "73", "11", "22", "25", "FEET", "INCHES", "7.826843", "9.295807", "10.76468", "5.147072",
          "10.29414", "0.3167725"}},
        {"430 MHz, AWG 10, 4 elements, double reflector",
         430.0f,
         10,
         4,
         doubleReflector,
         1032,
         {"2", "2", "2", "0", "1", "0", "FEET", "INCHES", "3.698825", "4.800001", "5.731768", "4.529043", "1.58713",
          "10.18388"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignState state = locked(c.freq);
        c.designType(state, c.elements);
        const auto texts = calculateDimensions(state, c.gauge, c.elements);
        ASSERT_TRUE(texts.has_value()) << messages::forWindow(texts.error());
        EXPECT_EQ(textsOf(*texts), c.texts);
        EXPECT_EQ(state.drivenConst, c.drivenConst);
        EXPECT_EQ(state.awg, c.gauge);
    }
}

TEST(Dimensions, NegativeFrequencyRoundsWholeFeetDownward) {
    DesignState state = locked(-14.2f);
    selectStandardHighGain(state, 3);
    const auto texts = calculateDimensions(state, 14, 3);
    ASSERT_TRUE(texts);
    EXPECT_EQ(*texts->find(MainBox::Text14), "-68");
    EXPECT_EQ(*texts->find(MainBox::Text21), "4.173157");
    EXPECT_EQ(*texts->find(MainBox::Text19), "-26");
    EXPECT_EQ(*texts->find(MainBox::Text26), "11.68323");
}

TEST(Dimensions, StoresRoundedIntermediatesAndLengths) {
    DesignState state = locked(14.2f);
    selectStandardHighGain(state, 3);
    ASSERT_TRUE(calculateDimensions(state, 14, 3));
    EXPECT_EQ(state.wireDia, 0.064f);
    EXPECT_EQ(state.corr, 0.98529410362243652f);
    EXPECT_EQ(state.dirLen, 67.65223693847656f);
    EXPECT_EQ(state.drvLen, 70.77465057373047f);
    EXPECT_EQ(state.holeSpacing, 25.026397705078125f);
}

TEST(Dimensions, DrivenConstantFollowsWireAndFrequency) {
    struct Case {
        float freq;
        std::int16_t gauge;
        float drivenConst;
    };
    const Case cases[] = {{14.2f, 20, 1005}, {330.0f, 10, 1032}, {320.0f, 10, 1027}, {430.0f, 10, 1032}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.freq);
        DesignState state = locked(c.freq);
        selectDoubleReflector(state);
        ASSERT_TRUE(calculateFeetInches(state, c.gauge, 3));
        EXPECT_EQ(state.drivenConst, c.drivenConst);
    }
}

TEST(Dimensions, BoomFollowsTheBarWhileConstantsKeepTheLastClick) {
    DesignState state = locked(14.2f);
    selectStandardHighGain(state, 5);
    ASSERT_TRUE(calculateFeetInches(state, 14, 9));
    EXPECT_EQ(state.dirConst, 984);
    EXPECT_EQ(state.refConst, 1083);
    EXPECT_EQ(state.boomLen, static_cast<float>(8.0 * state.spacing));

    ASSERT_TRUE(calculateFeetInches(state, 14, 50));
    EXPECT_EQ(state.boomLen, static_cast<float>(49.0 * state.spacing));
}

TEST(Dimensions, AWholeNumberOfFeetShowsZeroInches) {
    DesignState state = locked(162.2907f);  // spacing rounds to exactly 1 foot
    selectSpecial4or8(state);
    const auto texts = calculateFeetInches(state, 10, 3);
    ASSERT_TRUE(texts);
    EXPECT_EQ(*texts->find(MainBox::Text17), "1");
    EXPECT_EQ(*texts->find(MainBox::Text24), "0");
    EXPECT_EQ(*texts->find(MainBox::Text18), "2");
}

TEST(Dimensions, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        float freq;
        bool chooseType;
        std::int16_t gauge;
        const char* messagePart;
    };
    const Case cases[] = {
        {"no frequency locked", 0.0f, true, 14, "above 0 MHz"},
        {"negative frequency", -14.2f, true, 14, "above 0 MHz"},
        {"no design type", 14.2f, false, 14, "design type"},
        {"frequency so near zero that lengths overflow", 1e-37f, true, 14, "too large"},
        {"gauge outside the bar", 14.2f, true, 9, "gauge"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignState state = locked(14.2f);
        selectStandardHighGain(state, 3);
        ASSERT_TRUE(calculateFeetInches(state, 12, 3));
        state.freq = c.freq;
        if (!c.chooseType) state.dirConst = state.refConst = 0;
        const DesignState before = state;
        const auto texts = calculateFeetInches(state, c.gauge, 3);
        ASSERT_FALSE(texts.has_value());
        EXPECT_NE(messages::forWindow(texts.error()).find(c.messagePart), std::string::npos)
            << messages::forWindow(texts.error());
        EXPECT_EQ(state, before);
    }
}

TEST(Dimensions, ZeroFrequencyFailsInTheArithmeticToo) {
    DesignState state;
    const auto texts = calculateDimensions(state, 10, 3);
    ASSERT_FALSE(texts.has_value());
    EXPECT_EQ(state, DesignState{});
}

}  // namespace
}  // namespace loopbeam
