#include "cli/signal_exit.h"

#include <unistd.h>

#include <atomic>
#include <thread>

#include "nec/engine/ending_signals.h"
#include "nec/engine/run_registry.h"

namespace loopbeam::cli {
namespace {

std::atomic<int> firstSignal{0};

void watch(int pipe) {
    for (int signal; (signal = nec::nextEndingSignal(pipe)) != 0;) {
        int none = 0;
        firstSignal.compare_exchange_strong(none, signal);
        nec::cancelEveryRun();
        nec::waitForEveryRun();
        _exit(nec::exitStatusAfter(firstSignal.load()));
    }
}

}  // namespace

void exitOnEndingSignals() {
    const int pipe = nec::catchEndingSignals();
    if (pipe >= 0) std::thread(watch, pipe).detach();
}

std::optional<int> signalExitStatus() {
    const int signal = firstSignal.load();
    if (signal == 0) return std::nullopt;
    return nec::exitStatusAfter(signal);
}

}  // namespace loopbeam::cli
