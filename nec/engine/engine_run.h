#pragma once
// Runs decks through nec2c, one process each, all at once, in a private
// temporary directory; gives their outputs in the same order, or why not.
// Nothing is left behind: no process, no file, whatever the outcome, and a
// run is registered for the signals that end the program (run_registry.h).

#include <cstddef>
#include <string>
#include <vector>

#include "nec/engine/run_control.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// nec2c writes nothing to its standard output and error.
inline constexpr std::size_t kLogCap = std::size_t{1} << 20;

// What is read of nec2c's output is capped by its deck (output_size.h).
struct EngineJob {
    std::string deck;
    std::size_t frequencies = 0;  // for progress
    double timeoutSeconds = 0;
};

Outcome<std::vector<std::string>> runNec2c(const std::vector<EngineJob>& jobs, const RunControl& control);

// How many nec2c run at once: control.parallelRuns, or one per core.
unsigned enginesAtOnce(const RunControl& control);

}  // namespace loopbeam::nec
