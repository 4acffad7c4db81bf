// The model fitted to a measurement that nec2c made of the design built 2%
// long: a deck written by hand, every loop's side 1.02 times the design's.

#include <gtest/gtest.h>

#include <sstream>

#include "../scratch_folder.h"
#include "nec/check/feed_match.h"
#include "nec/engine/engine_run.h"
#include "nec/measured/measurement_file.h"
#include "nec/measured/model_fit.h"
#include "nec2c_printout.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

// quad14MHz()'s loops, half sides 2.815478, 2.696514 and 2.57755 m, times 1.02;
// 27 frequencies from 13.6 to 14.9 MHz.
constexpr const char* kLongLoopsDeck = R"(CM quad14MHz, every loop 2% long
CE
GW 1 13 0 -2.87178756 -2.87178756 0 2.87178756 -2.87178756 0.0008128
GW 2 13 0 2.87178756 -2.87178756 0 2.87178756 2.87178756 0.0008128
GW 3 13 0 2.87178756 2.87178756 0 -2.87178756 2.87178756 0.0008128
GW 4 13 0 -2.87178756 2.87178756 0 -2.87178756 -2.87178756 0.0008128
GW 5 11 3.483536 -2.75044428 -2.75044428 3.483536 2.75044428 -2.75044428 0.0008128
GW 6 11 3.483536 2.75044428 -2.75044428 3.483536 2.75044428 2.75044428 0.0008128
GW 7 11 3.483536 2.75044428 2.75044428 3.483536 -2.75044428 2.75044428 0.0008128
GW 8 11 3.483536 -2.75044428 2.75044428 3.483536 -2.75044428 -2.75044428 0.0008128
GW 9 11 6.967071 -2.629101 -2.629101 6.967071 2.629101 -2.629101 0.0008128
GW 10 11 6.967071 2.629101 -2.629101 6.967071 2.629101 2.629101 0.0008128
GW 11 11 6.967071 2.629101 2.629101 6.967071 -2.629101 2.629101 0.0008128
GW 12 11 6.967071 -2.629101 2.629101 6.967071 -2.629101 -2.629101 0.0008128
GE 0
LD 5 0 0 0 5.8E7
EX 0 5 6 0 1 0
FR 0 27 0 0 13.6 0.05
RP 0 1 1 1000 90 0 0 0
EN
)";

TEST(EngineMeasuredFit, FindsLoopsBuiltTwoPercentLong) {
    const auto output = runNec2c({{kLongLoopsDeck, 27, 120}}, {});
    ASSERT_TRUE(output) << output.error().message;
    const std::vector<Figures> figures = referenceFigures(output->front());
    ASSERT_EQ(figures.size(), 27u);
    // As an analyser saves it: S11 against 50 ohms.
    std::ostringstream s1p;
    s1p.precision(12);
    s1p << "! nec2c, loops 2% long\n# MHz S RI R 50\n";
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const std::complex<double> gamma = reflection({figures[i].r, figures[i].x});
        s1p << 13.6 + 0.05 * static_cast<double>(i) << ' ' << gamma.real() << ' ' << gamma.imag() << '\n';
    }
    ScratchFolder folder;
    putFile(folder / "long.s1p", s1p.str());
    const auto measured = readMeasurementFile(folder / "long.s1p");
    ASSERT_TRUE(measured) << measured.error().message;
    const auto model = buildModel(quad14MHz(), {});
    ASSERT_TRUE(model) << model.error().message;

    const auto fit = fitModel(*model, *measured);
    ASSERT_TRUE(fit) << fit.error().message;
    EXPECT_NEAR(fit->factor, 1.02, 0.005);
    EXPECT_TRUE(fit->fits()) << fit->error;
}

}  // namespace
}  // namespace loopbeam::nec
