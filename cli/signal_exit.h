#pragma once
// SIGINT, SIGTERM, SIGHUP and SIGQUIT end loopbeam-cli with 130, 143, 129 and 131: at once,
// or, while an engine runs, once every run is cancelled, its children gone
// and its folder removed.

#include <optional>

#include "nec/engine/cancel_handle.h"
#include "nec/engine/run_registry.h"

namespace loopbeam::cli {

// At the start of main.
void exitOnEndingSignals();

// After a check: the status to leave with when a signal cancelled it (the
// check then reports itself cancelled, which is no refusal of the user's).
std::optional<int> signalExitStatus();

// Held while a file is replaced: a signal that comes meanwhile ends the
// program once it is whole, never beside a half-written temporary file. Never
// held around a write that waits on a reader (a pipe, a FIFO, standard
// output), so that a signal ends the program whatever that write waits on.
class FileBeingReplaced {
    nec::CancelHandle unused_;
    nec::RegisteredRun run_{unused_};
};

}  // namespace loopbeam::cli
