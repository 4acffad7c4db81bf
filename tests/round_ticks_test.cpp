// Round ticks on the check's axes, for sweeps from 160 m to 23 cm and for
// ohms either side of zero, worked by hand.

#include "common/round_ticks.h"

#include <gtest/gtest.h>

namespace loopbeam {
namespace {

TEST(RoundTicks, TheFinestRoundStepThatFits) {
    struct Case {
        double low, high;
        int maxTicks;
        double first, step;
        int decimals;
    };
    const Case cases[] = {
        {13.49, 14.91, 7, 13.6, 0.2, 1},   // 14.2 MHz +-5%: 0.1 gives 15 ticks, 0.2 gives 7
        {13.49, 14.91, 6, 13.5, 0.25, 2},  // 0.2 gives 7: 13.5, 13.75 ... 14.75
        {27.07, 29.93, 7, 27.5, 0.5, 1},   // 0.25 gives 11
        {1.71, 1.89, 7, 1.725, 0.025, 3},  // 1.8 MHz: 0.02 gives 9
        {136.99, 151.41, 7, 138, 2, 0},    // 144.2 MHz
        {1231.2, 1360.8, 7, 1240, 20, 0},  // 1296 MHz: 10 gives 13
        {-141.45, 198.5, 7, -100, 50, 0},  // ohms: 25 gives 13
        {1, 5, 9, 1, 0.5, 1},              // the SWR axis
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << " to " << c.high << ", at most " << c.maxTicks);
        const RoundTicks ticks = roundTicks(c.low, c.high, c.maxTicks);
        EXPECT_NEAR(ticks.first, c.first, 1e-9 * c.step);
        EXPECT_NEAR(ticks.step, c.step, 1e-12 * c.step);
        EXPECT_EQ(ticks.decimals, c.decimals);
    }
}

}  // namespace
}  // namespace loopbeam
