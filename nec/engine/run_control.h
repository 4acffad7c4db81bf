#pragma once
// How a caller steers a check: which engine, cancelling, progress, and how
// many nec2c processes run at once.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "nec/engine/cancel_handle.h"

namespace loopbeam::nec {

// The refusal's message of a cancelled run.
inline constexpr const char* kCancelledMessage = "cancelled";

struct RunControl {
    std::string enginePath = "nec2c";  // looked up on PATH without a slash
    CancelHandle* cancel = nullptr;    // a signal that ends the program cancels it too
    // The fraction of frequencies solved, called on the thread running the check.
    std::function<void(double fraction)> progress;
    // Once every nec2c has started: their pids and the private directory.
    std::function<void(const std::vector<pid_t>& children, const std::string& directory)> started;
    unsigned parallelRuns = 0;             // 0: one per core
    std::optional<double> timeoutSeconds;  // for every run, instead of the rule
};

}  // namespace loopbeam::nec
