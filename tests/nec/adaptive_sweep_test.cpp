// The fitted sweep on impedances known in closed form: ratios of polynomials
// it must recover, and impedances no ratio of low order follows.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numbers>
#include <random>

#include "nec/fit/adaptive_sweep.h"

namespace loopbeam::nec {
namespace {

using Impedance = std::complex<double>;
constexpr Impedance j{0, 1};

double omega(double mhz) { return 2 * std::numbers::pi * mhz * 1e6; }

// A series resonator of inductance l, resonant at f0.
Impedance resonator(double mhz, double r, double l, double f0) {
    return r + j * (omega(mhz) * l - omega(f0) * omega(f0) * l / omega(mhz));
}

Impedance seriesRlc(double mhz) { return resonator(mhz, 50, 5 * 50 / omega(14.2), 14.2); }  // Q 5

// Resonators at 14.0 and 14.5 MHz coupled by 5% mutual inductance: Z1 + (wM)^2 / Z2.
Impedance coupledResonances(double mhz) {
    const double wm = omega(mhz) * 0.05 * 2e-6;
    return resonator(mhz, 20, 2e-6, 14.0) + wm * wm / resonator(mhz, 5, 2e-6, 14.5);
}

// A kilometre of 50-ohm line ending in 10 ohms: its phase turns 20 pi over
// the span, twenty resonances.
Impedance longLine(double mhz) {
    const Impedance t = std::tan(omega(mhz) * 10 / 1.42e6);
    return 50.0 * (10.0 + j * 50.0 * t) / (50.0 + j * 10.0 * t);
}

// The series RLC off by a fixed pseudo-random share of up to 0.5% at each
// frequency, as from an engine at the end of its precision.
Impedance scattered(double mhz) {
    std::mt19937_64 random(std::bit_cast<std::uint64_t>(mhz));
    return seriesRlc(mhz) * (1 + 0.005 * std::uniform_real_distribution<double>(-1, 1)(random));
}

// 401 output frequencies over 14.2 MHz +-5%, the locked frequency and the
// estimated edges among them and solved first.
AdaptiveSweepRequest requestFor(unsigned solvesPerRound) {
    AdaptiveSweepRequest request{{13.9969, 14.2, 14.4030}, {14.2, 13.9969, 14.4030}, solvesPerRound};
    for (int i = 0; i <= 400; ++i) request.outputMHz.push_back(13.49 + 1.42 * i / 400);
    std::sort(request.outputMHz.begin(), request.outputMHz.end());
    return request;
}

TEST(AdaptiveSweep, RecoversRatiosOfPolynomialsAndReportsWhatNoneFollows) {
    struct Case {
        const char* name;
        Impedance (*impedance)(double);
        unsigned solvesPerRound;
        bool converges;
    };
    const Case cases[] = {
        {"series RLC", seriesRlc, 2, true},
        {"two coupled resonances", coupledResonances, 2, true},
        {"two coupled resonances, 3 processes", coupledResonances, 3, true},
        {"a kilometre of mismatched line", longLine, 2, false},
        {"figures that scatter by 0.5%", scattered, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AdaptiveSweepRequest request = requestFor(c.solvesPerRound);
        std::vector<std::vector<double>> batches;
        const auto sweep = adaptiveSweep(request, [&](std::span<const double> mhz) -> Outcome<std::vector<Impedance>> {
            batches.emplace_back(mhz.begin(), mhz.end());
            std::vector<Impedance> z;
            for (double f : mhz) z.push_back(c.impedance(f));
            return z;
        });
        ASSERT_TRUE(sweep);
        ASSERT_EQ(sweep->converged, c.converges);
        if (!c.converges) {
            EXPECT_EQ(sweep->solved.size(), kMaxFitSolves);
        }
        ASSERT_EQ(sweep->impedance.size(), c.converges ? request.outputMHz.size() : 0);
        for (std::size_t i = 0; i < sweep->impedance.size(); ++i) {
            const Impedance exact = c.impedance(request.outputMHz[i]);
            ASSERT_LT(std::abs(sweep->impedance[i] - exact) / std::abs(exact), 1e-4) << request.outputMHz[i];
        }
        // The must-solve frequencies first; every round keeps every process busy.
        for (double f : request.mustSolveMHz) EXPECT_EQ(std::count(batches[0].begin(), batches[0].end(), f), 1) << f;
        for (const auto& batch : batches) EXPECT_EQ(batch.size() % c.solvesPerRound, 0u);
    }
}

// The series RLC's fits agree after the first 6 solves; the next 2 check
// them, and a check more than 0.2% off keeps the sweep going.
TEST(AdaptiveSweep, TheFitIsAcceptedOnlyIfItsCheckSolvesAgreeWithin0_2PerCent) {
    for (const auto& [checkError, acceptedAtOnce] : {std::pair{0.0015, true}, {0.0025, false}}) {
        SCOPED_TRACE(checkError);
        int batch = 0;
        const auto sweep =
            adaptiveSweep(requestFor(2), [&](std::span<const double> mhz) -> Outcome<std::vector<Impedance>> {
                const double error = ++batch == 2 ? checkError : 0;
                std::vector<Impedance> z;
                for (double f : mhz) z.push_back(seriesRlc(f) * (1 + error));
                return z;
            });
        ASSERT_TRUE(sweep);
        EXPECT_EQ(sweep->converged && sweep->solved.size() == 8, acceptedAtOnce);
    }
}

}  // namespace
}  // namespace loopbeam::nec
