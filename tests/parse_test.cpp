#include "common/parse.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/text_cut.h"

namespace loopbeam {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

TEST(StrictParse, AcceptsNumbersWithBlanksSignPointAndExponent) {
    const ParseCase cases[] = {
        {"14.2", 14.2},     {" 14.2 ", 14.2}, {"\t7.1", 7.1},  {"+3.75", 3.75},        {"-14.2", -14.2},
        {"000.000", 0.0},   {".5", 0.5},      {"5.", 5.0},     {"1E3", 1000.0},        {"1e3", 1000.0},
        {"1.5E-3", 0.0015}, {"2E+2", 200.0},  {"1E-400", 0.0}, {"4.9E-324", 4.9e-324},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = strictParse(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
    }
}

TEST(StrictParse, RejectsAnythingElse) {
    const char* cases[] = {"",    " ",    "abc",   "14.2MHz", "14,2", "1 000", "1,000.5", "14. 2",
                           "-",   "+",    ".",     "-.",      "1E",   "1E+",   "E5",      "1.2.3",
                           "--1", "0x10", "1E400", "-1E309",  "inf",  "nan",   "1e5x",    "１"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(strictParse(text).has_value());
    }
}

TEST(LenientParse, TakesTheLongestLeadingNumber) {
    const ParseCase cases[] = {
        {"14.2", 14.2},   {"14.2MHz", 14.2}, {" 1 4 . 2 ", 14.2}, {"abc", 0.0},  {"", 0.0},    {"-", 0.0},
        {"-14.2", -14.2}, {"1.2.3", 1.2},    {"1E", 1.0},         {"1e2x", 100}, {".5.", 0.5}, {"000.000", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(lenientParse(c.text), c.value);
    }
    EXPECT_TRUE(std::isinf(lenientParse("1E999")));
}

TEST(CutToLength, KeepsTheFirstCharactersWithoutRounding) {
    EXPECT_EQ(cutToLength("14.40306", 7), "14.4030");
    EXPECT_EQ(cutToLength("425.92097", 7), "425.920");
    EXPECT_EQ(cutToLength("14.2", 7), "14.2");
    EXPECT_EQ(cutToLength("ééééééééé", 7), "ééééééé");  // characters, not bytes
}

}  // namespace
}  // namespace loopbeam
