#include "common/text_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace loopbeam {
namespace {

struct SingleCase {
    float value;
    const char* text;
};

TEST(SingleText, RoundsTheExactValueToSevenDigits) {
    const SingleCase cases[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {1.0f / 30.0f, "3.333334E-02"},    // the float just above 1/30
        {9.295806884765625f, "9.295807"},  // inches of a 70.77465-foot loop
        {0.31677246f, "0.3167725"},        // seven digits after the point: still plain
        {2.4000001f, "2.4"},
        {-67.0f, "-67"},
        {9.9999996f, "10"},  // rounding carries into a new digit
        {9999999.0f, "9999999"},
        {1e7f, "1E+07"},
        {12345678.0f, "1.234568E+07"},
        {12345675.0f, "1.234568E+07"},  // an exact tie goes to even
        {0.0000001f, "0.0000001"},
        {0.00000015f, "1.5E-07"},  // eight digits after the point
        {1e-8f, "1E-08"},
        {-0.12345600128173828f, "-0.123456"},
        {3.4028235e38f, "3.402823E+38"},
        {1.4e-45f, "1.401298E-45"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(singleText(c.value).view(), c.text);
    }
}

struct DoubleCase {
    double value;
    const char* text;
};

TEST(DoubleText, RoundsTheExactValueToFifteenDigits) {
    const DoubleCase cases[] = {
        {0.0, "0"},
        {1.0 / 30.0, "3.33333333333333E-02"},
        {14.2 * 1.0143, "14.40306"},
        {-14.2 * 1.0143, "-14.40306"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {1e-15, "0.000000000000001"},
        {1.5e-15, "1.5E-15"},
        {9.9999999999999995, "10"},
        {7.62939444953759e-07, "7.62939444953759E-07"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {1125899906842625.0, "1.12589990684262E+15"},  // an exact tie goes to even
        {93.414249877929649, "93.4142498779296"},      // the 16th digit is nearly a half
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(doubleText(c.value).view(), c.text);
    }
}

TEST(IntegerText, IsPlainDecimal) {
    EXPECT_EQ(integerText(10), "10");
    EXPECT_EQ(integerText(3), "3");
    EXPECT_EQ(integerText(-32768), "-32768");
}

// Against the C library's correctly rounded %.*e as an independent reference:
// the text stays within its budget and reads back as the rounded value.
template <class T>
void checkAgainstPrintf(T value, int digits, std::size_t budget) {
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.*e", digits - 1, static_cast<double>(value));
    const std::string text = sizeof(T) == 4 ? singleText(static_cast<float>(value)).str() : doubleText(value).str();
    ASSERT_LE(text.size(), budget) << text;
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr)) << text << " vs " << reference;
}

TEST(TextForms, AgreeWithAnIndependentRoundingOnRandomValues) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const auto bits = random();
        float f;
        double d;
        const auto low = static_cast<std::uint32_t>(bits);
        std::memcpy(&f, &low, sizeof f);
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(f)) checkAgainstPrintf(f, 7, 13);                           // -1.234567E-38
        if (std::isfinite(d)) checkAgainstPrintf(d, 15, 22);                          // -1.23456789012345E-308
        const double decimal = (static_cast<double>(bits % 2000000000) - 1e9) / 1e4;  // everyday magnitudes
        checkAgainstPrintf(static_cast<float>(decimal), 7, 13);
        checkAgainstPrintf(decimal, 15, 22);
        // Values whose digit after the last kept one is a 5: near-ties both ways.
        const double scale = std::pow(10.0, static_cast<double>(bits % 40) - 20.0);
        const auto nearTie = static_cast<double>((bits >> 8) % 100000000000000ULL * 10 + 5);
        checkAgainstPrintf(nearTie * scale, 15, 22);
        checkAgainstPrintf(static_cast<float>(static_cast<double>((bits >> 8) % 1000000 * 10 + 5) * scale), 7, 13);
    }
}

}  // namespace
}  // namespace loopbeam
