// The whole NEC-2 check (its 401 points fitted to a few solves, one nec2c a
// core in each round) for 3, 6, 12 and 25 elements, and tuning from start to
// end (the calculated design's check, the search, the tuned design's check)
// for 3, 6 and 12, each against one nec2c run of the direct sweep's deck of
// 41 frequencies and the band's. "ratio" is the wall time over that run's:
// for the check, aim at most 0.2 for 12 elements on 2 cores; "solves" is
// what the check took ("fell_back" 1 where the fit did not settle); for
// tuning, aim at most 1.2 for resonance and 2.0 for front-to-back, and at
// most 10 for band on 12 elements ("evaluations" of the band, 11 solves each).
// The two-element quad of 14.2, 18.1, 21.2, 24.94 and 28.5 MHz on one spider:
// its check (a run a band, every loop present) and its resonance tuning from
// start to end (the check, the rounds, the tuned check), each against one
// nec2c run of the 14.2 MHz band's deck of 41 frequencies.

#include <benchmark/benchmark.h>

#include <chrono>

#include "design/messages.h"
#include "nec/check/check.h"
#include "nec/engine/engine_run.h"
#include "nec/model/run_cost.h"
#include "nec/multiband/band_check.h"
#include "nec/multiband/spider_tuning.h"
#include "nec/tuning/tune.h"

namespace {

using namespace loopbeam::nec;

double secondsOf(const auto& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The 14.2 MHz design with as many elements as the benchmark's argument.
Outcome<NecModel> modelOf(const benchmark::State& bench) {
    const QuadDesign design{
        14.2,    0.064,   evenLayout(static_cast<int>(bench.range(0)), 73.89706, 70.77465, 67.65224, 11.42892),
        13.9969, 14.4030, {"14.2 MHz quad"}};
    return buildModel(design, {});
}

double oneRunSeconds(benchmark::State& bench, const NecModel& model) {
    const std::size_t frequencies = directPlan(model.sweep).mhz.size();
    const EngineJob job{wholeDeck(model), frequencies, timeoutSeconds(model.totalSegments(), frequencies, false)};
    return secondsOf([&] {
        if (auto out = runNec2c({job}, {}); !out) bench.SkipWithError(out.error().message.c_str());
    });
}

// Times the work against one nec2c run of the whole deck at each iteration,
// and sets the counters every benchmark here reports.
void timeAgainstOneRun(benchmark::State& bench, const NecModel& model, const char* secondsCounter, const auto& work) {
    double single = 0, timed = 0;
    for (auto _ : bench) {
        single += oneRunSeconds(bench, model);
        const double seconds = secondsOf(work);
        timed += seconds;
        bench.SetIterationTime(seconds);
    }
    const double n = static_cast<double>(bench.iterations());
    bench.counters["segments"] = model.totalSegments();
    bench.counters["single_run_s"] = single / n;
    bench.counters[secondsCounter] = timed / n;
    bench.counters["ratio"] = timed / single;
}

void CheckAgainstOneRun(benchmark::State& bench) {
    const auto model = modelOf(bench);
    SweepRecord swept;
    timeAgainstOneRun(bench, *model, "check_s", [&] {
        auto result = runCheck(*model);
        if (!result) return bench.SkipWithError(result.error().message.c_str());
        swept = result->swept;
    });
    bench.counters["solves"] = static_cast<double>(swept.solves);
    bench.counters["fell_back"] = swept.fellBack;
}
BENCHMARK(CheckAgainstOneRun)
    ->Arg(3)
    ->Arg(6)
    ->Arg(12)
    ->Arg(25)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void TuneAgainstOneRun(benchmark::State& bench, TuneGoal goal) {
    const auto model = modelOf(bench);
    int solves = 0, evaluations = 0;
    timeAgainstOneRun(bench, *model, "tune_s", [&] {
        auto check = runCheck(*model);
        if (!check) return bench.SkipWithError(check.error().message.c_str());
        auto tuned = tune(*model, *check, goal);
        if (!tuned) return bench.SkipWithError(tuned.error().message.c_str());
        solves = tuned->solves;
        evaluations = tuned->evaluations;
    });
    bench.counters["solves"] = solves;
    if (goal == TuneGoal::Band) bench.counters["evaluations"] = evaluations;
}

void tuneSizes(benchmark::internal::Benchmark* b) {
    b->Arg(3)->Arg(6)->Arg(12)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
}
BENCHMARK_CAPTURE(TuneAgainstOneRun, resonance, TuneGoal::Resonance)->Apply(tuneSizes);
BENCHMARK_CAPTURE(TuneAgainstOneRun, front_to_back, TuneGoal::FrontToBack)->Apply(tuneSizes);
// A run of its own takes long enough to average.
BENCHMARK_CAPTURE(TuneAgainstOneRun, band, TuneGoal::Band)
    ->Arg(3)
    ->Arg(6)
    ->Arg(12)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

struct SeveralBands {
    MultibandDesign design;
    Spider spider;
    std::vector<NecModel> models;  // a band each
};

std::optional<std::vector<NecModel>> bandModels(benchmark::State& bench, const MultibandDesign& design,
                                                const Spider& spider) {
    std::vector<NecModel> models;
    for (std::size_t band = 0; band < design.bands.size(); ++band) {
        auto model = bandModel(design, spider, {}, band);
        if (!model) {
            bench.SkipWithError(model.error().message.c_str());
            return std::nullopt;
        }
        models.push_back(std::move(*model));
    }
    return models;
}

std::optional<SeveralBands> fiveBands(benchmark::State& bench) {
    auto design = designBands({"14.2", "18.1", "21.2", "24.94", "28.5"}, 14, loopbeam::messages::forCommandLine);
    if (!design) {
        bench.SkipWithError(design.error().message.c_str());
        return std::nullopt;
    }
    auto spider = buildSpider(*design, {}, UnusedFeeds::Closed);
    if (!spider) {
        bench.SkipWithError(spider.error().message.c_str());
        return std::nullopt;
    }
    auto models = bandModels(bench, *design, *spider);
    if (!models) return std::nullopt;
    return SeveralBands{std::move(*design), std::move(*spider), std::move(*models)};
}

void SeveralBandsCheckAgainstOneRun(benchmark::State& bench) {
    const auto quad = fiveBands(bench);
    if (!quad) return;
    int solves = 0;
    timeAgainstOneRun(bench, quad->models.front(), "check_s", [&] {
        auto results = checkBands(quad->models, {}, SweepMethod::Fitted);
        if (!results) return bench.SkipWithError(results.error().message.c_str());
        solves = 0;
        for (const CheckResult& result : *results) solves += static_cast<int>(result.swept.solves);
    });
    bench.counters["solves"] = solves;
}
BENCHMARK(SeveralBandsCheckAgainstOneRun)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void SeveralBandsResonanceAgainstOneRun(benchmark::State& bench) {
    const auto quad = fiveBands(bench);
    if (!quad) return;
    int solves = 0;
    timeAgainstOneRun(bench, quad->models.front(), "tune_s", [&] {
        if (auto checked = checkBands(quad->models, {}, SweepMethod::Fitted); !checked)
            return bench.SkipWithError(checked.error().message.c_str());
        auto tuned = tuneSpider(quad->design, quad->spider, {}, {}, TuneGoal::Resonance);
        if (!tuned) return bench.SkipWithError(tuned.error().message.c_str());
        const auto models = bandModels(bench, quad->design, tuned->spider);
        if (!models) return;
        if (auto checked = checkBands(*models, {}, SweepMethod::Fitted); !checked)
            return bench.SkipWithError(checked.error().message.c_str());
        solves = tuned->solves;
    });
    bench.counters["solves"] = solves;
}
BENCHMARK(SeveralBandsResonanceAgainstOneRun)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
