// The whole NEC-2 check (its 401 points fitted to a few solves, one nec2c a
// core in each round) for 3, 6, 12 and 25 elements, and tuning from start to
// end (the calculated design's check, the search, the tuned design's check)
// for 3, 6 and 12, each against one nec2c run of the direct sweep's deck of
// 41 frequencies and the band's. "ratio" is the wall time over that run's:
// for the check, aim at most 0.2 for 12 elements on 2 cores; "solves" is
// what the check took ("fell_back" 1 where the fit did not settle); for
// tuning, aim at most 1.2 for resonance and 2.0 for front-to-back, and at
// most 10 for band on 12 elements ("evaluations" of the band, 11 solves each).

#include <benchmark/benchmark.h>

#include <chrono>

#include "nec/check/check.h"
#include "nec/engine/engine_run.h"
#include "nec/model/run_cost.h"
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

}  // namespace

BENCHMARK_MAIN();
