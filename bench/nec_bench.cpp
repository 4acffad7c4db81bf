// The whole NEC-2 check (the sweep split across the cores), and tuning from
// start to end (the calculated design's check, the search, the tuned
// design's check), each against the same check in one nec2c run, for 3, 6 and
// 12 elements. "ratio" is the wall time over the single run's: for the check
// about 1 / cores when the split pays; for tuning, aim at most 1.2 for
// resonance and 2.0 for front-to-back on 2 cores.

#include <benchmark/benchmark.h>

#include <chrono>

#include "nec/check/check.h"
#include "nec/engine/run_control.h"
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
    QuadDesign design{14.2, 3, 0.064, 67.65224, 70.77465, 73.89706, 11.42892, 13.9969, 14.4030, {"14.2 MHz quad"}};
    design.elements = static_cast<int>(bench.range(0));
    return buildModel(design, {});
}

double oneRunSeconds(benchmark::State& bench, const NecModel& model) {
    RunControl oneRun;
    oneRun.parallelRuns = 1;
    return secondsOf([&] {
        if (auto out = runCheck(model, oneRun); !out) bench.SkipWithError(out.error().message.c_str());
    });
}

void CheckAgainstOneRun(benchmark::State& bench) {
    const auto model = modelOf(bench);
    double single = 0, check = 0;
    for (auto _ : bench) {
        single += oneRunSeconds(bench, *model);
        const double seconds = secondsOf([&] {
            auto result = runCheck(*model);
            if (!result) bench.SkipWithError(result.error().message.c_str());
        });
        check += seconds;
        bench.SetIterationTime(seconds);
    }
    const double n = static_cast<double>(bench.iterations());
    bench.counters["segments"] = model->totalSegments();
    bench.counters["single_run_s"] = single / n;
    bench.counters["check_s"] = check / n;
    bench.counters["ratio"] = check / single;
}
BENCHMARK(CheckAgainstOneRun)->Arg(3)->Arg(6)->Arg(12)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void TuneAgainstOneRun(benchmark::State& bench, TuneGoal goal) {
    const auto model = modelOf(bench);
    double single = 0, tuning = 0;
    int solves = 0;
    for (auto _ : bench) {
        single += oneRunSeconds(bench, *model);
        const double seconds = secondsOf([&] {
            auto check = runCheck(*model);
            if (!check) return bench.SkipWithError(check.error().message.c_str());
            auto tuned = tune(*model, *check, goal);
            if (!tuned) return bench.SkipWithError(tuned.error().message.c_str());
            solves = tuned->solves;
        });
        tuning += seconds;
        bench.SetIterationTime(seconds);
    }
    const double n = static_cast<double>(bench.iterations());
    bench.counters["segments"] = model->totalSegments();
    bench.counters["solves"] = solves;
    bench.counters["single_run_s"] = single / n;
    bench.counters["tune_s"] = tuning / n;
    bench.counters["ratio"] = tuning / single;
}

void tuneSizes(benchmark::internal::Benchmark* b) {
    b->Arg(3)->Arg(6)->Arg(12)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
}
BENCHMARK_CAPTURE(TuneAgainstOneRun, resonance, TuneGoal::Resonance)->Apply(tuneSizes);
BENCHMARK_CAPTURE(TuneAgainstOneRun, front_to_back, TuneGoal::FrontToBack)->Apply(tuneSizes);

}  // namespace

BENCHMARK_MAIN();
