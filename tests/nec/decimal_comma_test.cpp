// Text for files keeps its decimal point while the process runs under a
// decimal-comma locale, and the process keeps that locale for the rest.

#include <gtest/gtest.h>

#include <cstdio>

#include "../decimal_comma.h"
#include "nec/check/check.h"
#include "nec/printf_text.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

std::string deckOfSample(const CheckOptions& options) {
    const auto model = buildModel(quad14MHz(), options);
    EXPECT_TRUE(model);
    return model ? wholeDeck(*model) : "";
}

TEST(DecimalComma, PrintfTextWritesAPointAndLeavesTheLocaleAsItWas) {
    const CheckOptions insulatedOverGround{.boomHeightMetres = 12.5, .insulation = insulationOf(0.5, Dielectric::Pvc)};
    const std::string plainDeck = deckOfSample(insulatedOverGround);
    const testing::ProcessLocale german(testing::kDecimalCommaLocale);
    ASSERT_TRUE(german.set());
    ASSERT_EQ(german.decimalPoint(), ",");

    const struct {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"%.1f", 0.5, "0.5"},
        {"%g", 5.8e7, "5.8e+07"},
        {"%.7g", -2.815478, "-2.815478"},
        {"%.4E", 6.84904e-8, "6.8490E-08"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(printfText(c.format, c.value), c.expected);
    }
    EXPECT_EQ(deckOfSample(insulatedOverGround), plainDeck);
    char own[8];
    std::snprintf(own, sizeof own, "%.1f", 0.5);
    EXPECT_STREQ(own, "0,5");  // the thread's own locale is back
}

}  // namespace
}  // namespace loopbeam::nec
