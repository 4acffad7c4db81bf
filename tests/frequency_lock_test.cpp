#include "design/frequency_lock.h"

#include <gtest/gtest.h>

#include "design/messages.h"

#include "design/boxes.h"

namespace loopbeam {
namespace {

// What the three boxes and Label1 hold after the lock, and what a click shows.
struct Held {
    std::string label1, text10, text9, clickShows;
};

Held lockAndClick(DesignState& state, const char* typed) {
    const auto texts = lockFrequency(state, typed);
    EXPECT_TRUE(texts.has_value()) << typed;
    if (!texts) return {};
    return {texts->find(MainBox::Label1)->str(), heldBy(MainBox::Text10, *texts->find(MainBox::Text10)),
            heldBy(MainBox::Text9, *texts->find(MainBox::Text9)), heldBy(MainBox::freqtxt, showBackFrequency(state))};
}

TEST(FrequencyLock, WorkedValues) {
    struct Case {
        const char* typed;
        Held held;
    };
    const Case cases[] = {
        {"14.2", {"14.2", "14.4030", "13.9969", "14.2"}},
        {"14.200", {"14.200", "14.4030", "13.9969", "14.2"}},
        {"144.2", {"144.2", "146.262", "142.137", "144.2"}},
        {"7.1", {"7.1", "7.20153", "6.99847", "7.1"}},
        {"3.75", {"3.75", "3.80362", "3.69637", "3.75"}},
        {"432.1", {"432.1", "438.279", "425.920", "432.1"}},
        {"000.000", {"000.000", "0", "0", "0"}},
        {"-14.2", {"-14.2", "-14.403", "-13.996", "-14.2"}},
        {".123456", {".123456", "0.12522", "0.12169", "0.12345"}},
        {" 14.2", {" 14.2", "14.4030", "13.9969", "14.2"}},
        {"14.2000001", {"14.2000", "14.4030", "13.9969", "14.2"}},  // the box keeps seven characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        DesignState state;
        const Held held = lockAndClick(state, c.typed);
        EXPECT_EQ(held.label1, c.held.label1);
        EXPECT_EQ(held.text10, c.held.text10);
        EXPECT_EQ(held.text9, c.held.text9);
        EXPECT_EQ(held.clickShows, c.held.clickShows);
        EXPECT_EQ(lockAndClick(state, c.typed).text9, c.held.text9);  // locking twice gives the same
    }
}

TEST(FrequencyLock, StoresTheNearestSingle) {
    DesignState state;
    ASSERT_TRUE(lockFrequency(state, ".123456"));
    EXPECT_EQ(state.freq, 0.123456f);
    EXPECT_EQ(showBackFrequency(DesignState{}), "0");
}

TEST(FrequencyLock, RefusalsKeepTheLockedValue) {
    struct Case {
        const char* typed;
        const char* messagePart;
    };
    const Case cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"abc", "not a frequency"},
        {"14.2MHz", "not a frequency"},
        {"14,2", "not a frequency"},
        {"1E400", "too large"},
        {"1.8E308", "too large"},
        {"1E39", "too large"},
        {"-4E38", "out of range"},
        {"-1E39", "out of range"},
        {"1E-50", "too small"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        DesignState state;
        ASSERT_TRUE(lockFrequency(state, "14.2"));
        const DesignState before = state;
        const auto texts = lockFrequency(state, c.typed);
        ASSERT_FALSE(texts.has_value());
        EXPECT_NE(messages::forWindow(texts.error()).find(c.messagePart), std::string::npos)
            << messages::forWindow(texts.error());
        EXPECT_EQ(state, before);
    }
}

}  // namespace
}  // namespace loopbeam
