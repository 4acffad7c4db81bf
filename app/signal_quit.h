#pragma once

class QCoreApplication;

namespace loopbeam {

// SIGINT, SIGTERM, SIGHUP and SIGQUIT end the event loop with 130, 143, 129 and 131 once
// every engine run is cancelled, its children gone and its folder removed (the
// windows' thread waits for that: it takes milliseconds). Any exit() waits for
// the runs too: Qt calls it when the display connection is lost.
void quitOnEndingSignals(QCoreApplication& app);

}  // namespace loopbeam
