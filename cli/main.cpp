// loopbeam-cli: a quad antenna design from the command line, on the same
// handler logic as the windows.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/design_run.h"
#include "cli/options.h"
#include "cli/report.h"

int main(int argc, char** argv) {
    using namespace loopbeam::cli;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (std::holds_alternative<HelpRequested>(parsed)) {
        std::fputs(usage().c_str(), stdout);
        return 0;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::fprintf(stderr, "loopbeam-cli: %s\n\n%s", error->message.c_str(), usage().c_str());
        return 2;
    }
    const Options& options = std::get<Options>(parsed);
    loopbeam::DesignState state;
    const DesignRun run = runDesign(options, state);
    const std::string report = options.json ? jsonReport(run) : humanReport(run, options);
    std::fputs(report.c_str(), stdout);
    if (run.failure) {
        std::fprintf(stderr, "loopbeam-cli: %s\n", run.failure->message.c_str());
        return 1;
    }
    return 0;
}
