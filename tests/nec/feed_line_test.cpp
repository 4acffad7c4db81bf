// The measurement moved back through the feed line and the section: against
// hand calculations and against scikit-rf's line.

#include <gtest/gtest.h>

#include "../scratch_folder.h"
#include "nec/measured/measurement_file.h"
#include "nec/measured/measurement_path.h"
#include "skrf_sweeps.h"

namespace loopbeam::nec {
namespace {

// 50 ohms, velocity factor 0.66: a quarter wave at 14 MHz.
TransmissionLine quarterWaveAt14() {
    TransmissionLine line;
    line.velocityFactor = 0.66;
    line.lengthMetres = 299.792458 / 14 * 0.66 / 4;
    return line;
}

struct LineCase {
    const char* what;
    double mhz;
    double lossDb;  // at 14 MHz
    std::complex<double> load, input;
};

// By hand: a quarter wave gives Z0^2 / ZL; a half wave gives ZL; an eighth
// wave turns a short into j Z0 tan 45; a lossy half wave turns a short into
// Z0 tanh(loss in nepers), the loss at 56 MHz twice that at 14.
const LineCase kLineCases[] = {
    {"quarter wave", 14, 0, {100, 0}, {25, 0}},
    {"quarter wave, complex load", 14, 0, {30, 40}, {30, -40}},
    {"half wave", 28, 0, {36, -12}, {36, -12}},
    {"eighth wave", 7, 0, {0, 0}, {0, 50}},
    {"lossy half wave", 28, 1, {0, 0}, {50 * std::tanh(1 * std::sqrt(2.0) * 0.1151292546497023), 0}},
};

TEST(FeedLine, AgainstHandCalculations) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(c.what);
        TransmissionLine line = quarterWaveAt14();
        line.lossDb = c.lossDb;
        line.referenceMHz = 14;
        EXPECT_LT(std::abs(inputImpedance(c.load, line, c.mhz) - c.input), 1e-9);
        EXPECT_LT(std::abs(loadImpedance(c.input, line, c.mhz) - c.load), 1e-9);
    }
}

TEST(FeedLine, TakesScikitRfsLineOut) {
    ScratchFolder folder;
    ASSERT_TRUE(writeSkrfSweeps(folder)) << "python3-scikit-rf is needed";
    const auto measured = readMeasurementFile(folder / "through_line.s1p");
    ASSERT_TRUE(measured) << measured.error().message;
    const LineCable* cable = lineCableNamed("RG-58");
    ASSERT_NE(cable, nullptr);
    MeasurementPath path;
    path.feedline = TransmissionLine{cable->ohms, cable->velocityFactor, 12.3, 1.2, 14.2};
    const MeasuredSweep atFeed = atFeedPoint(*measured, path);
    const MeasuredSweep load = skrfLoad(folder);
    ASSERT_EQ(load.size(), atFeed.size());
    for (std::size_t i = 0; i < load.size(); ++i) {
        SCOPED_TRACE(load[i].mhz);
        EXPECT_LT(std::abs(atFeed[i].impedance - load[i].impedance), 1e-6 * std::abs(load[i].impedance));
    }
}

TEST(FeedLine, TheSectionTheCheckAdvised) {
    FeedAdvice advice;
    advice.recommended = FeedKind::QuarterWave37_5;
    advice.sectionMetres = 3.7;
    const auto section = advisedSection(advice, 0.66f, {"direct", "cable"});
    ASSERT_TRUE(section) << section.error().message;
    EXPECT_EQ(section->ohms, 37.5);
    EXPECT_EQ(section->lengthMetres, 3.7);
    EXPECT_FALSE(advisedSection(advice, std::nullopt, {"direct", "cable"}));
    advice.recommended = FeedKind::Direct;
    const auto direct = advisedSection(advice, 0.66f, {"direct", "cable"});
    ASSERT_FALSE(direct);
    EXPECT_NE(direct.error().message.find("directly"), std::string::npos);
}

}  // namespace
}  // namespace loopbeam::nec
