#include "app/signal_quit.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdlib>

#include "nec/engine/ending_signals.h"
#include "nec/engine/run_registry.h"

namespace loopbeam {
namespace {

void endEveryRun() {
    nec::cancelEveryRun();
    nec::waitForEveryRun();
}

}  // namespace

void quitOnEndingSignals(QCoreApplication& app) {
    std::atexit(endEveryRun);
    const int pipe = nec::catchEndingSignals();
    if (pipe < 0) return;
    auto* notifier = new QSocketNotifier(pipe, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier, pipe] {
        const int signal = nec::nextEndingSignal(pipe);
        notifier->setEnabled(false);  // one is enough: the loop is on its way out
        endEveryRun();
        QCoreApplication::exit(nec::exitStatusAfter(signal));
    });
}

}  // namespace loopbeam
