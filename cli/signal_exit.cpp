#include "cli/signal_exit.h"

#include <unistd.h>

#include <atomic>
#include <thread>

#include "nec/engine/ending_signals.h"
#include "nec/engine/run_registry.h"

namespace loopbeam::cli {
namespace {

std::atomic<int> firstSignal{0};

// The first signal ends the program; later ones find it already on its way.
void watch(int pipe) {
    const int signal = nec::nextEndingSignal(pipe);
    if (signal == 0) return;
    firstSignal = signal;
    nec::cancelEveryRun();
    nec::waitForEveryRun();
    _exit(nec::exitStatusAfter(signal));
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
