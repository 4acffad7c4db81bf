// The fitted sweep on the real nec2c, for designs whose impedance is not
// simple: the fit against direct solves at frequencies it never solved.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "nec/engine/engine_run.h"
#include "nec/engine/engine_solver.h"
#include "nec/fit/adaptive_sweep.h"
#include "nec/model/deck_writer.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

TEST(EngineFittedSweep, TheFitAgreesWithDirectSolvesAtFrequenciesItNeverSolved) {
    const std::pair<QuadDesign, CheckOptions> cases[] = {
        {quad14MHz(), {}},
        {sampleDesigns()[2], {}},  // a director resonates inside the span
        {sixElements14MHz(), {LoopShape::Square, 15.0}},
    };
    for (const auto& [design, options] : cases) {
        SCOPED_TRACE(design.description.front() + (options.boomHeightMetres ? ", over ground" : ""));
        const auto model = buildModel(design, options);
        ASSERT_TRUE(model);
        const SweepPlan& plan = model->sweep;
        AdaptiveSweepRequest request;
        request.mustSolveMHz = {plan.mhz[plan.lockedIndex], plan.mhz[plan.lowEdgeIndex], plan.mhz[plan.highEdgeIndex]};
        request.outputMHz = request.mustSolveMHz;
        for (int i = 0; i <= 400; ++i) request.outputMHz.push_back(plan.mhz[0] + (plan.top() - plan.mhz[0]) * i / 400);
        std::sort(request.outputMHz.begin(), request.outputMHz.end());
        EngineSolver solver(*model, {});
        request.solvesPerRound = solver.processes();
        const auto sweep = adaptiveSweep(request, std::ref(solver));
        ASSERT_TRUE(sweep) << sweep.error().message;
        ASSERT_TRUE(sweep->converged);
        for (const SolvedImpedance& s : sweep->solved) EXPECT_EQ(solver.outputs().at(s.mhz).feedImpedance, s.impedance);

        // 20 output frequencies spread over the span, none of them solved by the sweep.
        std::vector<FrequencyRequest> checks;
        std::vector<std::size_t> at;
        for (std::size_t i = 10; checks.size() < 20; i += 20) {
            while (solver.outputs().count(request.outputMHz[i])) ++i;
            at.push_back(i);
            checks.push_back({request.outputMHz[i], false});
        }
        const auto printed = runNec2c({{writeDeck(*model, checks), checks.size(), 300}}, {});
        ASSERT_TRUE(printed) << printed.error().message;
        const auto direct =
            readNec2cOutput(printed->front(), checks, model->feed, options.boomHeightMetres.has_value());
        ASSERT_TRUE(direct) << direct.error().message;
        for (std::size_t k = 0; k < checks.size(); ++k) {
            const auto z = (*direct)[k].feedImpedance, fitted = sweep->impedance[at[k]];
            EXPECT_LT(std::abs(fitted - z) / std::abs(z), 0.005) << checks[k].mhz << " MHz: " << fitted << " for " << z;
        }
    }
}

}  // namespace
}  // namespace loopbeam::nec
