// One full design per iteration: lock, design type, the calculation with its
// fourteen texts and the metric conversion with its fourteen texts.
// Target: under 10 microseconds a design, far below anything a user can
// notice; the texts come from std::to_chars, about 2 microseconds here.

#include <benchmark/benchmark.h>

#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/metric.h"

namespace {

void FullDesign(benchmark::State& bench) {
    static constexpr const char* kFrequencies[] = {"14.2", "7.1", "3.75", "144.2", "432.1", "28.5", "50.1", "21.2"};
    std::size_t i = 0;
    for (auto _ : bench) {
        loopbeam::DesignState state;
        const char* typed = kFrequencies[i++ % std::size(kFrequencies)];
        auto lock = loopbeam::lockFrequency(state, typed);
        loopbeam::selectStandardHighGain(state, 5);
        auto feet = loopbeam::calculateFeetInches(state, 14, 5);
        auto metric = loopbeam::convertToMetric(state);
        benchmark::DoNotOptimize(lock);
        benchmark::DoNotOptimize(feet);
        benchmark::DoNotOptimize(metric);
    }
    bench.counters["designs_per_second"] =
        benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(FullDesign);

}  // namespace

BENCHMARK_MAIN();
