// Reading nec2c's output: a captured run (tests/nec/data, made by nec2c 1.3
// from quad_14mhz.nec; its listing of wires and segments, which the reader
// passes over, left out) read exactly, and the same output broken refused.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "nec/engine/nec2c_output.h"

namespace loopbeam::nec {
namespace {

std::string captured() {
    std::ifstream in(NEC_TEST_DATA "/quad_14mhz.out");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The captured run with its first `from` changed into `to`.
std::string capturedWith(const std::string& from, const std::string& to) {
    std::string text = captured();
    return text.replace(text.find(from), from.size(), to);
}

// As a check asks them: from the frequency the lock stores as a float.
const std::vector<FrequencyRequest> kAsked{{14.2f, true}, {14.403f, false}};
const FeedSegment kFeed{5, 6, 58};

TEST(Nec2cOutput, ReadsACapturedRunExactly) {
    const auto read = readNec2cOutput(captured(), kAsked, kFeed, false);
    ASSERT_TRUE(read) << read.error().message;
    ASSERT_EQ(read->size(), 2u);
    const FrequencyOutput& locked = (*read)[0];
    EXPECT_EQ(locked.feedImpedance, std::complex<double>(77.546, -17.301));
    ASSERT_EQ(locked.patterns.size(), 2u);  // the azimuth, then the vertical plane through the boom
    const std::vector<Direction>& azimuth = locked.patterns[0];
    ASSERT_EQ(azimuth.size(), 72u);
    EXPECT_EQ(azimuth[0].gainDbi, 8.30);
    EXPECT_EQ(azimuth[18].phi, 90.0);
    EXPECT_EQ(azimuth[18].gainDbi, -26.45);
    EXPECT_EQ(azimuth[36].gainDbi, -6.63);
    EXPECT_EQ(azimuth[71].gainDbi, 8.24);
    const std::vector<Direction>& vertical = locked.patterns[1];
    ASSERT_EQ(vertical.size(), 362u);  // theta 0 to 180 at phi 0, then at phi 180
    EXPECT_EQ(vertical[0].gainDbi, -6.37);
    EXPECT_EQ(vertical[90].gainDbi, 8.30);    // the horizon ahead, as in the azimuth
    EXPECT_EQ(vertical[271].gainDbi, -6.63);  // and behind
    EXPECT_EQ(vertical[361].theta, 180.0);
    EXPECT_EQ(vertical[361].gainDbi, -5.83);
    const FrequencyOutput& high = (*read)[1];
    EXPECT_EQ(high.feedImpedance, std::complex<double>(70.369, 23.865));
    ASSERT_EQ(high.patterns.size(), 1u);
    ASSERT_EQ(high.patterns[0].size(), 2u);
    EXPECT_EQ(high.patterns[0][0].gainDbi, 8.23);
    EXPECT_EQ(high.patterns[0][1].gainDbi, -2.03);
}

TEST(Nec2cOutput, RefusesOutputThatEndsEarlyOrWasAltered) {
    const std::string whole = captured();
    const auto replaced = capturedWith;
    struct Case {
        const char* name;
        std::string output;
        const char* says;
    };
    const Case cases[] = {
        {"cut in half", whole.substr(0, whole.size() / 2), "2 frequencies asked"},
        {"cut in the last pattern", whole.substr(0, whole.find("   90.00    180.00", whole.find("1.4403E+01"))),
         "ends early"},
        {"cut before the end", whole.substr(0, whole.find("TOTAL RUN TIME")), "ends before nec2c finished"},
        {"a number garbled", replaced("7.7546E+01", "7.7546E+0x"), "cannot be read"},
        {"another frequency", replaced("1.4403E+01 MHz", "1.4503E+01 MHz"),
         "at 14.40299988 MHz, frequency 2 of 2: it gives 14.503 MHz instead"},  // as the FR card asks
        {"another segment", replaced("    5    58", "    5    59"), "another segment"},
        {"a pattern line lost", replaced("   90.00     90.00", "   90.00     95.00"), "other directions"},
        {"the vertical plane cut short", replaced("  180.00    180.00", "  DATA CARD"), "ends early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readNec2cOutput(c.output, kAsked, kFeed, false);
        ASSERT_FALSE(read);
        EXPECT_NE(read.error().message.find(c.says), std::string::npos) << read.error().message;
    }
    const auto oneAsked = readNec2cOutput(whole, std::span(kAsked).first(1), kFeed, false);
    ASSERT_FALSE(oneAsked);
    EXPECT_NE(oneAsked.error().message.find("(1 frequency asked, 2 answered)"), std::string::npos)
        << oneAsked.error().message;
}

// What real antennas do is read; what none does is refused, naming the figure.
TEST(Nec2cOutput, BelievesOnlyWhatAnAntennaGives) {
    const std::string behind = "   90.00    180.00   -165.10    -2.03    -2.03";
    struct Case {
        const char* name;
        std::string output;
        const char* says;  // nothing when read
    };
    const Case cases[] = {
        {"a badly detuned loop's low R", capturedWith("7.7546E+01", "1.0000E-02"), nullptr},
        {"a large X", capturedWith("-1.7301E+01", "-9.9990E+05"), nullptr},
        {"more behind than ahead", capturedWith(behind, "   90.00    180.00   -165.10     9.50     9.50"), nullptr},
        {"a direction with no gain at all", capturedWith("   -26.45  -999.99   -26.45", " -999.99  -999.99  -999.99"),
         nullptr},
        {"R of 0", capturedWith("7.7546E+01", "0.0000E+00"),
         "at 14.19999981 MHz, frequency 1 of 2, gives a feed resistance of 0 ohm"},
        {"X of -1 Mohm", capturedWith("-1.7301E+01", "-1.0000E+06"), "a feed reactance of -1e+06 ohm"},
        {"a gain beyond any direction's", capturedWith("   -26.45  -999.99   -26.45", "   -26.45  -999.99    40.01"),
         "a gain of 40.01 dBi at theta 90.00, phi 90.00"},
        {"below nec2c's floor", capturedWith("   -26.45  -999.99   -26.45", "   -26.45  -999.99 -1000.00"),
         "a gain of -1000 dBi at theta"},
        {"too little behind", capturedWith(behind, "   90.00    180.00   -165.10  -100.01  -100.01"),
         "at 14.40299988 MHz, frequency 2 of 2, gives a gain of -100.01 dBi straight behind"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readNec2cOutput(c.output, kAsked, kFeed, false);
        if (!c.says) {
            EXPECT_TRUE(read) << read.error().message;
            continue;
        }
        ASSERT_FALSE(read);
        EXPECT_NE(read.error().message.find(c.says), std::string::npos) << read.error().message;
    }
}

}  // namespace
}  // namespace loopbeam::nec
