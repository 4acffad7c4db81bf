#include "design/metric.h"

#include <gtest/gtest.h>

#include "design/messages.h"

#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/result_rows.h"

namespace loopbeam {
namespace {

DesignState allLengths(float feet) {
    DesignState state;
    state.awg = 10;  // as after a calculation
    for (const LengthRow& row : kLengthRows) state.*row.length = feet;
    return state;
}

TEST(Metric, SingleLengths) {
    struct Case {
        float feet;
        const char* metres;
        const char* cm;
    };
    const Case cases[] = {
        {0.0f, "0", "0"},
        {1.0f, "0", "30.48"},
        {10.0f, "3", "4.8"},
        {100.0f, "30", "48"},
        {34.5f, "10", "51.5599999999999"},  // not 51.56: the factors are not folded
        {-1.5f, "-1", "54.28"},
        {3.2808399200439453f, "1", "7.62939444953759E-07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.feet);
        const MainTexts texts = metricTexts(allLengths(c.feet));
        ASSERT_EQ(texts.size(), 14u);
        EXPECT_EQ(texts[0].box, MainBox::Text20);
        EXPECT_EQ(texts[0].text, "METER");
        EXPECT_EQ(texts[1].text, "CM");
        for (const LengthRow& row : kLengthRows) {
            EXPECT_EQ(*texts.find(row.wholeBox), c.metres);
            EXPECT_EQ(*texts.find(row.fractionBox), c.cm);
        }
    }
}

TEST(Metric, DesignsConvertExactly) {
    struct Case {
        float freq;
        std::vector<std::pair<MainBox, const char*>> expected;
    };
    const Case cases[] = {
        {14.2f,
         {{MainBox::Text14, "20"},
          {MainBox::Text21, "62.0401818847657"},
          {MainBox::Text15, "21"},
          {MainBox::Text22, "57.2113494873047"},
          {MainBox::Text16, "22"},
          {MainBox::Text23, "52.3822845458984"},
          {MainBox::Text17, "3"},
          {MainBox::Text24, "48.3535624694824"},
          {MainBox::Text18, "6"},
          {MainBox::Text25, "96.7071249389648"},
          {MainBox::Text19, "7"},
          {MainBox::Text26, "62.8046020507813"}}},
        {-14.2f,
         {{MainBox::Text14, "-21"},
          {MainBox::Text21, "37.9598181152343"},
          {MainBox::Text19, "-8"},
          {MainBox::Text26, "37.1953979492187"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.freq);
        DesignState state;
        state.freq = c.freq;
        selectStandardHighGain(state, 3);
        ASSERT_TRUE(calculateDimensions(state, 14, 3));
        const auto texts = convertToMetric(state);
        ASSERT_TRUE(texts);
        for (const auto& [box, text] : c.expected) EXPECT_EQ(*texts->find(box), text) << factsOf(box).name;
    }
}

TEST(Metric, RefusesBeforeAnyCalculation) {
    DesignState state;
    state.freq = 14.2f;
    selectStandardHighGain(state, 3);
    ASSERT_FALSE(convertToMetric(state));
    state.freq = 0;
    ASSERT_FALSE(calculateFeetInches(state, 14, 3));
    const auto texts = convertToMetric(state);  // a refused calculation does not count
    ASSERT_FALSE(texts);
    EXPECT_NE(messages::forWindow(texts.error()).find("CALCULATE/FEET & INCHES"), std::string::npos);
}

}  // namespace
}  // namespace loopbeam
