// The whole NEC-2 check (the sweep split across the cores) against the same
// check in one nec2c run, for 3, 6 and 12 elements. "ratio" is the check's
// wall time over the single run's: about 1 / cores when the split pays.

#include <benchmark/benchmark.h>

#include <chrono>

#include "nec/check/check.h"
#include "nec/engine/run_control.h"

namespace {

using namespace loopbeam::nec;

double secondsOf(const auto& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CheckAgainstOneRun(benchmark::State& bench) {
    QuadDesign design{14.2, 3, 0.064, 67.65224, 70.77465, 73.89706, 11.42892, 13.9969, 14.4030, {"14.2 MHz quad"}};
    design.elements = static_cast<int>(bench.range(0));
    const auto model = buildModel(design, {});
    RunControl oneRun;
    oneRun.parallelRuns = 1;
    double single = 0, check = 0;
    for (auto _ : bench) {
        single += secondsOf([&] {
            auto out = runCheck(*model, oneRun);
            if (!out) bench.SkipWithError(out.error().message.c_str());
        });
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

}  // namespace

BENCHMARK_MAIN();
