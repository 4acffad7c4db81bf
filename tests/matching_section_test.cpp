#include "design/matching_section.h"

#include <gtest/gtest.h>

#include "design/messages.h"

#include "design/cables.h"

namespace loopbeam {
namespace {

struct Shown {
    std::string text3, text4, text6, text7;
};

Shown shown(const MatchingTexts& texts) {
    return {texts.find(MatchingBox::Text3)->str(), texts.find(MatchingBox::Text4)->str(),
            texts.find(MatchingBox::Text6)->str(), texts.find(MatchingBox::Text7)->str()};
}

DesignState withCable(float freq, std::int16_t index) {
    DesignState state;
    state.freq = freq;
    chooseCable(state, index);
    return state;
}

TEST(MatchingSection, WorkedValues) {
    struct Case {
        float freq;
        const char* cable;
        const char* feet;
        const char* inches;
        const char* metres;
        const char* cm;
    };
    const Case cases[] = {
        {14.2f, "RG-11", "11", "5.205643", "3", "48.5023324584961"},
        {28.5f, "RG-6", "6", "5.684212", "1", "97.3178977966309"},
        {-14.2f, "RG-11", "-12", "6.794357", "-4", "51.4976675415039"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cable);
        DesignState state = withCable(c.freq, *cableIndexOf(c.cable));
        const auto feet = matchFeetInchesArithmetic(state);
        ASSERT_TRUE(feet);
        const Shown f = shown(*feet);
        EXPECT_EQ(f.text3, c.feet);
        EXPECT_EQ(f.text4, c.inches);
        EXPECT_EQ(f.text6, "Feet");
        EXPECT_EQ(f.text7, "Inches");
        const DesignState afterFeet = state;
        const auto metric = matchMetricArithmetic(state);
        ASSERT_TRUE(metric);
        EXPECT_EQ((*metric)[0].box, MatchingBox::Text6);  // headings are written first
        const Shown m = shown(*metric);
        EXPECT_EQ(m.text3, c.metres);
        EXPECT_EQ(m.text4, c.cm);
        EXPECT_EQ(m.text6, "Meter");
        EXPECT_EQ(m.text7, "Cm");
        EXPECT_EQ(state, afterFeet);  // same matchLen, matchFeet and matchInches kept
    }
}

TEST(MatchingSection, CablesWithTheSameFactorGiveTheSameSection) {
    DesignState first = withCable(50.1f, *cableIndexOf("RG-59 or 59a"));
    const auto reference = matchMetric(first);
    ASSERT_TRUE(reference);
    EXPECT_EQ(*reference->find(MatchingBox::Text3), "0");
    EXPECT_EQ(*reference->find(MatchingBox::Text4), "98.7771102905273");
    for (const char* cable : {"RG-11", "RG-12 or 12a", "RG-216"}) {
        SCOPED_TRACE(cable);
        DesignState state = withCable(50.1f, *cableIndexOf(cable));
        EXPECT_EQ(*matchMetric(state)->find(MatchingBox::Text4), "98.7771102905273");
    }
}

TEST(MatchingSection, ChoiceOutsideTheListKeepsTheFactor) {
    DesignState state = withCable(14.2f, 0);
    chooseCable(state, -1);
    EXPECT_EQ(state.coaxIndex, -1);
    EXPECT_EQ(state.velFactor, 0.75f);
}

TEST(MatchingSection, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        float freq;
        std::int16_t cable;
        const char* messagePart;
    };
    const Case cases[] = {
        {"no frequency", 0.0f, 1, "above 0 MHz"},
        {"negative frequency", -14.2f, 1, "above 0 MHz"},
        {"no cable chosen yet", 14.2f, -1, "coax"},
        {"section too long to hold", 1e-38f, 1, "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto handler : {matchFeetInches, matchMetric}) {
            DesignState state = withCable(c.freq, c.cable);
            const DesignState before = state;
            const auto texts = handler(state);
            ASSERT_FALSE(texts.has_value());
            EXPECT_NE(messages::forWindow(texts.error()).find(c.messagePart), std::string::npos)
                << messages::forWindow(texts.error());
            EXPECT_EQ(state, before);
        }
    }
}

// The cable the NEC-2 check's cut list names: none before a choice, then the
// list's, then after the choice is cleared only its factor, still in use.
TEST(MatchingSection, TheCableChosen) {
    DesignState state;
    EXPECT_FALSE(chosenCable(state));
    chooseCable(state, 1);
    EXPECT_EQ(chosenCable(state)->entry, "RG-11");
    chooseCable(state, -1);
    EXPECT_EQ(chosenCable(state)->entry, "the cable last chosen");
    EXPECT_EQ(chosenCable(state)->velFactor, 0.66f);
}

}  // namespace
}  // namespace loopbeam
