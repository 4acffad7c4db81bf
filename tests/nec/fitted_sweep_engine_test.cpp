// The check's fitted sweep on the real nec2c, for designs whose impedance is
// not simple: the fit against direct solves at frequencies it never solved,
// and each crossing and span edge of the summary against the frequency that
// bisection with direct solves finds.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "nec/check/check.h"
#include "nec/check/feed_match.h"
#include "nec/engine/engine_run.h"
#include "nec/engine/nec2c_output.h"
#include "nec/fit/adaptive_sweep.h"
#include "nec/model/deck_writer.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

// The feed impedance at each frequency, solved directly in two nec2c runs side by side.
std::vector<std::complex<double>> directly(const NecModel& model, const std::vector<double>& mhz) {
    std::vector<FrequencyRequest> requests;
    for (double f : mhz) requests.push_back({f, false});
    const std::span<const FrequencyRequest> all(requests),
        halves[] = {all.first(all.size() / 2), all.subspan(all.size() / 2)};
    std::vector<EngineJob> jobs;
    for (const auto& half : halves) jobs.push_back({writeDeck(model, half), half.size(), 600});
    const auto printed = runNec2c(jobs, {});
    if (!printed) return {};
    std::vector<std::complex<double>> z;
    for (std::size_t k = 0; k < 2; ++k) {
        const auto read = readNec2cOutput((*printed)[k], halves[k], model.feed, model.boomHeightMetres.has_value());
        if (!read) return {};
        for (const FrequencyOutput& out : *read) z.push_back(out.feedImpedance);
    }
    return z;
}

// A fact of the summary: where a function of the feed impedance changes sign.
struct Fact {
    double mhz;
    std::function<double(std::complex<double>, double mhz)> level;
};

std::vector<Fact> factsOf(const CheckSummary& s, double lockedMHz) {
    std::vector<Fact> facts;
    for (double f : s.resonancesMHz) facts.push_back({f, [](std::complex<double> z, double) { return z.imag(); }});
    for (const auto& [spans, threshold] : {std::pair{&s.below1_5, 1.5}, {&s.below2, 2.0}}) {
        const auto swrLess = [threshold, lockedMHz](std::complex<double> z, double mhz) {
            return swr(throughMatchingSection(z, mhz, lockedMHz)) - threshold;
        };
        for (const Span& span : *spans) {
            if (!span.lowIsSweepEdge) facts.push_back({span.lowMHz, swrLess});
            if (!span.highIsSweepEdge) facts.push_back({span.highMHz, swrLess});
        }
    }
    return facts;
}

TEST(EngineFittedSweep, TheCheckAgreesWithDirectSolvesAndBisection) {
    const std::pair<QuadDesign, CheckOptions> cases[] = {
        {quad14MHz(), {}},
        {sampleDesigns()[2], {}},  // 144.2 MHz: a director resonates inside the span
        {sixElements14MHz(), {LoopShape::Square, 15.0}},
    };
    for (const auto& [design, options] : cases) {
        SCOPED_TRACE(design.description.front() + (options.boomHeightMetres ? ", over ground" : ""));
        const auto model = buildModel(design, options);
        ASSERT_TRUE(model);
        const auto result = runCheck(*model);
        ASSERT_TRUE(result) << result.error().message;
        const std::vector<FrequencyPoint>& sweep = result->sweep;
        ASSERT_EQ(sweep.size(), model->sweep.mhz.size());
        ASSERT_FALSE(result->swept.fellBack);
        EXPECT_LE(result->swept.solves, kMaxFitSolves);
        // Every solve is a frequency of the sweep, with its gain; the fitted ones have none.
        EXPECT_EQ(std::count_if(sweep.begin(), sweep.end(), [](const FrequencyPoint& p) { return p.solved; }),
                  static_cast<std::ptrdiff_t>(result->swept.solves));
        for (const FrequencyPoint& p : sweep) EXPECT_EQ(std::isfinite(p.forwardGainDbi), p.solved) << p.mhz;

        // 20 frequencies spread over the span, none of them solved by the sweep.
        std::vector<double> unsampled;
        std::vector<std::complex<double>> fitted;
        for (std::size_t i = 10; unsampled.size() < 20; i += 20) {
            while (sweep[i].solved) ++i;
            unsampled.push_back(sweep[i].mhz);
            fitted.push_back(sweep[i].feedImpedance);
        }
        const auto direct = directly(*model, unsampled);
        ASSERT_EQ(direct.size(), unsampled.size());
        for (std::size_t k = 0; k < direct.size(); ++k)
            EXPECT_LT(std::abs(fitted[k] - direct[k]) / std::abs(direct[k]), 0.005)
                << unsampled[k] << " MHz: " << fitted[k] << " for " << direct[k];

        // Each crossing and span edge bracketed 0.04% either side, then halved
        // eight times (to 3e-6 of the frequency) with direct solves.
        const std::vector<Fact> facts = factsOf(result->summary, model->sweep.locked());
        ASSERT_GE(facts.size(), 3u);
        std::vector<double> low, high, lowLevel;
        for (const Fact& fact : facts) low.push_back(fact.mhz * (1 - 4e-4)), high.push_back(fact.mhz * (1 + 4e-4));
        std::vector<double> ends = low;
        ends.insert(ends.end(), high.begin(), high.end());
        const auto atEnds = directly(*model, ends);
        ASSERT_EQ(atEnds.size(), ends.size());
        for (std::size_t k = 0; k < facts.size(); ++k) {
            lowLevel.push_back(facts[k].level(atEnds[k], low[k]));
            ASSERT_LT(lowLevel[k] * facts[k].level(atEnds[facts.size() + k], high[k]), 0) << facts[k].mhz;
        }
        for (int halving = 0; halving < 8; ++halving) {
            std::vector<double> middle;
            for (std::size_t k = 0; k < facts.size(); ++k) middle.push_back((low[k] + high[k]) / 2);
            const auto z = directly(*model, middle);
            ASSERT_EQ(z.size(), middle.size());
            for (std::size_t k = 0; k < facts.size(); ++k)
                (facts[k].level(z[k], middle[k]) * lowLevel[k] > 0 ? low[k] : high[k]) = middle[k];
        }
        for (std::size_t k = 0; k < facts.size(); ++k) {
            const double bisected = (low[k] + high[k]) / 2;
            EXPECT_LT(std::abs(facts[k].mhz - bisected) / bisected, 2e-4) << facts[k].mhz << " for " << bisected;
        }
    }
}

}  // namespace
}  // namespace loopbeam::nec
