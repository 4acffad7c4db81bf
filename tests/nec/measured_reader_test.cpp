// An analyser's files read back: scikit-rf's Touchstone writer, hand-written
// Z, Y and version 2.0 files, CSV, and broken ones.

#include <gtest/gtest.h>

#include <sstream>

#include "../scratch_folder.h"
#include "nec/measured/measurement_file.h"
#include "skrf_sweeps.h"

namespace loopbeam::nec {
namespace {

constexpr double kTolerance = 1e-9;

void expectNear(const MeasuredPoint& got, const MeasuredPoint& want, double relative) {
    EXPECT_NEAR(got.mhz, want.mhz, want.mhz * 1e-12);
    EXPECT_NEAR(std::abs(got.impedance - want.impedance), 0, std::abs(want.impedance) * relative)
        << got.impedance << " not " << want.impedance;
}

TEST(MeasuredFiles, ReadWhatScikitRfWrites) {
    ScratchFolder folder;
    ASSERT_TRUE(writeSkrfSweeps(folder)) << "python3-scikit-rf is needed";
    const auto expected = skrfLoad(folder);
    ASSERT_EQ(expected.size(), 29u);
    for (const char* form : {"ri", "ma", "db"}) {
        SCOPED_TRACE(form);
        const auto sweep = readMeasurementFile(folder / (std::string("sweep_") + form + ".s1p"));
        ASSERT_TRUE(sweep) << sweep.error().message;
        ASSERT_EQ(sweep->size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) expectNear((*sweep)[i], expected[i], 1e-9);
    }
}

struct FileCase {
    const char* name;
    const char* text;
    std::complex<double> firstZ;  // at 14 MHz
    const char* refusal;          // a part of the message, when it is refused
};

const FileCase kFileCases[] = {
    {"hz.s1p", "# HZ S RI R 50\n14000000 0 0\n", {50, 0}, nullptr},
    {"analyser.s1p", "! saved by an analyser\n# MHz Z RI R 50\n14 1.0 -0.5\n", {50, -25}, nullptr},
    {"y.s1p", "!\n# khz y ma r 25\n14000 1 90 ! a comment after the data\n", {0, -25}, nullptr},
    {"defaults.s1p", "0.014 0.2 0\n", {75, 0}, nullptr},
    {"db.s1p", "# MHz S DB R 50\n14 -20 180\n", {50 * 0.9 / 1.1, 0}, nullptr},
    {"v2z.s1p",
     "[Version] 2.0\n# MHz Z RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 2\n[Network Data]\n14 36 -12\n"
     "14.1 40 0\n[End]\n",
     {36, -12},
     nullptr},
    {"v2y.s1p",
     "[Version] 2.0\n# MHz Y RI\n[Number of Ports] 1\n[Reference] 75\n[Network Data]\n14 0.02 0\n[End]\n",
     {50, 0},
     nullptr},
    {"rx.csv",
     "\xEF\xBB\xBF"
     "Frequency (MHz),R,X\r\n14.0,50,10\r\n",
     {50, 10},
     nullptr},
    {"s11.csv", "freq_hz;S11_re;S11_im\n14000000;0.2;0\n", {75, 0}, nullptr},
    {"own.csv", "frequency_MHz,R_ohm,X_ohm,SWR_50ohm_direct\n14,36.5,-3,1.4\n", {36.5, -3}, nullptr},
    {"bad_number.s1p", "# MHz S RI R 50\n14 0.1 abc\n", {}, "line 2: \"abc\" is not a number"},
    {"falling.s1p", "# MHz S RI R 50\n14.1 0 0\n14.0 0 0\n", {}, "line 3: frequencies not rising"},
    {"two_port.s1p", "# MHz S RI R 50\n14 .1 0 .9 0 .9 0 .1 0\n", {}, "line 2: the file describes 2 ports"},
    {"v2_ports.s1p", "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 2\n", {}, "line 3: the file describes 2"},
    {"h.s1p", "# MHz H RI R 50\n14 0 0\n", {}, "line 1: holds H parameters"},
    {"open.s1p", "# MHz S RI R 50\n14 1 0\n", {}, "line 2: an open circuit"},
    {"empty.s1p", "# MHz S RI R 50\n", {}, "holds no data lines"},
    {"count.s1p",
     "[Version] 2.0\n[Number of Ports] 1\n[Number of Frequencies] 3\n[Network Data]\n0.014 0 0\n",
     {},
     "says 3 but the file holds 1"},
    {"huge_count.s1p",
     "[Version] 2.0\n[Number of Frequencies] 99999999999999999999999\n",
     {},
     "line 2: [Number of Frequencies] needs a whole number"},
    {"comma.csv", "freq;R;X\n14,0;50;0\n", {}, "line 2: \"14,0\" is not a number (numbers need a decimal point"},
    {"header.csv", "a,b,c\n1,2,3\n", {}, "line 1: the header needs a frequency column"},
    {"short.csv", "freq,R,X\n14,50\n", {}, "line 2: holds 2 fields"},
};

TEST(MeasuredFiles, HandWrittenAndBrokenFiles) {
    ScratchFolder folder;
    for (const FileCase& c : kFileCases) {
        SCOPED_TRACE(c.name);
        putFile(folder / c.name, c.text);
        const auto sweep = readMeasurementFile(folder / c.name);
        if (c.refusal) {
            ASSERT_FALSE(sweep);
            EXPECT_TRUE(sweep.error().message.starts_with(folder / c.name)) << sweep.error().message;
            EXPECT_NE(sweep.error().message.find(c.refusal), std::string::npos) << sweep.error().message;
            continue;
        }
        ASSERT_TRUE(sweep) << sweep.error().message;
        expectNear(sweep->front(), {14, c.firstZ}, kTolerance);
    }
}

TEST(MeasuredFiles, RefusedBeyondTheCapsAndOutsideTheSweep) {
    ScratchFolder folder;
    std::ostringstream many;
    many << "# MHz Z RI R 50\n";
    for (std::size_t i = 1; i <= kMaxMeasuredPoints + 1; ++i) many << i << " 1 0\n";
    putFile(folder / "many.s1p", many.str());
    putFile(folder / "large.s1p", "# MHz Z RI R 50\n" + std::string(kMaxMeasurementBytes, '!'));
    const std::pair<const char*, const char*> cases[] = {
        {"many.s1p", "more than 100000 points"},
        {"large.s1p", "larger than 16 MB"},
        {"missing.s1p", "cannot be opened"},
        {"", "cannot be read"},  // the folder itself
    };
    for (const auto& [name, refusal] : cases) {
        SCOPED_TRACE(name);
        const auto sweep = readMeasurementFile(folder / name);
        ASSERT_FALSE(sweep);
        EXPECT_NE(sweep.error().message.find(refusal), std::string::npos) << sweep.error().message;
    }
    const MeasuredSweep sweep = {{7.0, {50, 0}}, {7.1, {50, 0}}, {14.2, {50, 0}}};
    EXPECT_EQ(pointsWithin(sweep, 13.5, 14.9)->size(), 1u);
    const auto none = pointsWithin(sweep, 20, 21);
    ASSERT_FALSE(none);
    EXPECT_NE(none.error().message.find("7 to 14.2 MHz"), std::string::npos) << none.error().message;
}

}  // namespace
}  // namespace loopbeam::nec
