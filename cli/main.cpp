// loopbeam-cli: a quad antenna design from the command line, on the same
// handler logic as the windows.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/design_run.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/report.h"

namespace {

constexpr int kDone = 0, kRefused = 1, kUsageError = 2, kOutputError = 3;

void sayProblem(const std::string& problem) { std::fprintf(stderr, "loopbeam-cli: %s\n", problem.c_str()); }

}  // namespace

int main(int argc, char** argv) {
    using namespace loopbeam::cli;
    // A closed pipe is an output error to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (std::holds_alternative<HelpRequested>(parsed)) {
        if (const auto problem = writeStandardOutput(usage())) {
            sayProblem(*problem);
            return kOutputError;
        }
        return kDone;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::fprintf(stderr, "loopbeam-cli: %s\n\n%s", error->message.c_str(), usage().c_str());
        return kUsageError;
    }
    const Options& options = std::get<Options>(parsed);
    loopbeam::DesignState state;
    const DesignRun run = runDesign(options, state);
    if (const auto problem = writeStandardOutput(options.json ? jsonReport(run) : humanReport(run, options))) {
        sayProblem(*problem);
        return kOutputError;
    }
    if (run.failure) {
        sayProblem(run.failure->message);
        return kRefused;
    }
    return kDone;
}
