// What the builder cut, as the cut list's CSV or as element=metres pairs,
// laid on a design of three loops and of four.

#include <gtest/gtest.h>

#include "nec/measured/as_cut.h"

namespace loopbeam::nec {
namespace {

constexpr const char* kCutSheet =
    "# 14.2 MHz, 4 elements\r\n# notes, with a comma, in quotes\r\n"
    "element,wire_m,wire_in,wire_feet_inches\r\nreflector,22.5,886.0,73 ft 10 in\r\ndriven,21.6,850.4,x\r\n"
    "director_1,20.6,811.0,x\r\ndirector_2,20.4,803.1,x\r\n";

TEST(AsCut, ReadsWhatWasCutAndRefusesTheRest) {
    const BoomLayout four{{1, 1, 1, 1}, {3, 3, 3}};
    struct Case {
        const char* text;
        bool csv;
        std::vector<double> perimeters;  // empty: refused
        const char* says;
    };
    const Case cases[] = {
        {kCutSheet, true, {22.5, 21.6, 20.6, 20.4}, ""},
        {"reflector=22.5, driven=21.6,director=20.6", false, {22.5, 21.6, 20.6, 20.6}, ""},
        {"Director 2=20.4,reflector=22.5,driven=21.6,director_1=20.6", false, {22.5, 21.6, 20.6, 20.4}, ""},
        {"reflector=22.5,driven=21.6", false, {}, "leave out the director 1"},
        {"reflector=22.5,driven=21.6,director=20.6,director 2=20", false, {}, "director 2 is given twice"},
        {"reflector=22.5,driven=21.6,director=20.6,director 3=20", false, {}, "\"director 3\" is no loop"},
        {"reflector=22,5,driven=21.6,director=20.6", false, {}, "\"5\" is no element=metres"},
        {"reflector=22.5,driven=-1,director=20.6", false, {}, "above 0, not -1"},
        {"reflector=22.5,driven=21,6,director=20.6", false, {}, "no element=metres"},
        {"reflector=abc,driven=21.6,director=20.6", false, {}, "abc"},
        {"=3", false, {}, "without its element's name"},
        {"element,wire_in\nreflector,886\n", true, {}, "line 1: the header has no element and wire_m"},
        {"element,wire_m\nreflector\n", true, {}, "line 2: fewer fields"},
        {"# only notes\n", true, {}, "no element's length"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto lengths = c.csv ? readAsCutCsv(c.text) : readAsCutPairs(c.text);
        Outcome<BoomLayout> layout = lengths ? asCutLayout(four, *lengths) : refuse(lengths.error().message);
        if (c.perimeters.empty()) {
            ASSERT_FALSE(layout);
            EXPECT_NE(layout.error().message.find(c.says), std::string::npos) << layout.error().message;
            continue;
        }
        ASSERT_TRUE(layout) << layout.error().message;
        EXPECT_EQ(layout->perimeters, c.perimeters);
        EXPECT_EQ(layout->spacings, four.spacings);
    }
}

}  // namespace
}  // namespace loopbeam::nec
