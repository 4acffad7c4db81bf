#pragma once
// Runs decks through nec2c, one process each, all at once, in a private
// temporary directory; gives their outputs in the same order, or why not.
// Nothing is left behind: no process, no file, whatever the outcome.

#include <cstddef>
#include <string>
#include <vector>

#include "nec/outcome.h"
#include "nec/run_control.h"

namespace loopbeam::nec {

struct EngineJob {
    std::string deck;
    std::size_t frequencies = 0;  // for progress
    double timeoutSeconds = 0;
};

Outcome<std::vector<std::string>> runNec2c(const std::vector<EngineJob>& jobs, const RunControl& control);

}  // namespace loopbeam::nec
