// Over ground the take-off angle, the gain and the F/B come from the fine
// window around the lobe: against a 0.1-degree scan of the whole upper
// elevation of a deck written by hand, for a dipole high over the ground at
// 2 m (a lobe 3 degrees wide), lower at 20 m, and so low that its lobe stands
// near the zenith, past where a flat ground's rule would look.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "nec/check/reference_dipole.h"
#include "nec/engine/engine_run.h"
#include "nec/engine/forward_look.h"
#include "nec/engine/model_job.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

struct Peak {
    double elevation = 0, gain = -999, frontToBack = 0;
};

// The deck written here, a 0.1-degree scan of phi 0 and 180, read by this test's own reading.
Peak scannedPeak(double mhz, double heightMetres) {
    const double half = 299.792458 / mhz / 4;
    const std::string deck =
        printfText("CM dipole\nCE\nGW 1 21 0 %.7g %.7g 0 %.7g %.7g 0.001\nGE 1\nLD 5 0 0 0 5.8E7\n", -half,
                   heightMetres, half, heightMetres) +
        printfText(
            "GN 2 0 0 0 13 0.005\nEX 0 1 11 0 1 0\nPT -1 0 0 0\nFR 0 1 0 0 %.7g 0\nRP 0 901 2 1000 0 0 0.1 180\nEN\n",
            mhz);
    const auto output = runNec2c({{deck, 1, 60}}, {});
    EXPECT_TRUE(output) << output.error().message;
    if (!output) return {};
    std::istringstream in(output->front().substr(output->front().find("RADIATION PATTERNS")));
    std::string line;
    std::vector<std::pair<double, double>> forward, back;  // theta, gain
    while (std::getline(in, line)) {
        std::istringstream row(line);
        double theta, phi, vertical, horizontal, total;
        if (!(row >> theta >> phi >> vertical >> horizontal >> total)) continue;
        (phi == 0 ? forward : back).emplace_back(theta, total);
    }
    Peak peak;
    for (std::size_t i = 0; i < forward.size() && i < back.size(); ++i)
        if (forward[i].second > peak.gain)
            peak = {90 - forward[i].first, forward[i].second, forward[i].second - back[i].second};
    return peak;
}

TEST(EngineElevation, TheFineWindowFindsTheLobeOfAWholeScan) {
    const struct { double mhz, heightMetres; } cases[] = {{144.9, 20}, {144.9, 12}, {14.2, 20}, {14.2, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(printfText("%g MHz, %g m", c.mhz, c.heightMetres));
        NecModel setting;
        setting.sweep.mhz = {c.mhz};
        setting.wireRadiusMetres = 0.001;
        setting.boomHeightMetres = c.heightMetres;
        const NecModel dipole = dipoleModel(setting);
        const auto solved = solveModels({{&dipole, {FrequencyRequest{c.mhz}}}}, {});
        ASSERT_TRUE(solved) << solved.error().message;
        const ForwardLook look = forwardLook(solved->front().front());
        const Peak scanned = scannedPeak(c.mhz, c.heightMetres);
        EXPECT_NEAR(90 - look.theta, scanned.elevation, 0.2);
        EXPECT_NEAR(look.forward, scanned.gain, 0.1);
        EXPECT_NEAR(look.forward - look.back, scanned.frontToBack, 0.1);
    }
}

}  // namespace
}  // namespace loopbeam::nec
