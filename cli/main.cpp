// loopbeam-cli: a quad antenna design from the command line, on the same
// handler logic as the windows, and its NEC-2 check.

#include <csignal>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/design_run.h"
#include "cli/nec_check.h"
#include "cli/options.h"
#include "cli/output_files.h"
#include "cli/report.h"
#include "cli/signal_exit.h"
#include "cli/tune_report.h"
#include "cli/tune_run.h"
#include "common/checked_output.h"
#include "nec/check/sweep_files.h"

namespace {

using namespace loopbeam::cli;
using loopbeam::writeFile;
using loopbeam::writeStandardOutput;

constexpr int kDone = 0, kRefused = 1, kUsageError = 2, kOutputError = 3;

void sayProblem(const std::string& problem) { std::fprintf(stderr, "loopbeam-cli: %s\n", problem.c_str()); }

std::string touchstoneOf(const loopbeam::nec::CheckResult& result, const std::vector<std::string>& comments) {
    std::ostringstream out;
    loopbeam::nec::writeTouchstone(out, result, comments);
    return out.str();
}

// What --nec-deck and --touchstone write: the tuned design's with --tune (none
// when the tuning failed), else the calculated design's.
struct ModelFiles {
    std::string deck;
    std::optional<std::string> touchstone;
};

ModelFiles modelFiles(const Options& options, const NecCheckRun& check, const std::optional<TuneRun>& tune) {
    if (!options.tune)
        return {check.deck, options.touchstone && check.result
                                ? std::optional(touchstoneOf(*check.result, check.model->comments))
                                : std::nullopt};
    if (!tune || !tune->tuned) return {};
    return {tune->deck, options.touchstone
                            ? std::optional(touchstoneOf(tune->tuned->check, tune->tuned->model.comments))
                            : std::nullopt};
}

// The files asked for, each whatever became of the others: a line for the
// report naming each file written, and every problem.
struct FilesWritten {
    std::string lines;
    std::vector<std::string> problems;
};

FilesWritten writeFiles(const Options& options, const ModelFiles& files) {
    FilesWritten written;
    const std::string whose = options.tune ? " of the tuned design" : "";
    const auto write = [&](const std::string& what, const std::string& path, const std::string& text) {
        if (auto problem = writeFile(path, text))
            written.problems.push_back(std::move(*problem));
        else
            written.lines += what + whose + " written to " + path + "\n";
    };
    if (options.necDeck && options.necDeck != "-" && !files.deck.empty())
        write("NEC-2 deck", *options.necDeck, files.deck);
    if (options.touchstone && files.touchstone) write("Touchstone file", *options.touchstone, *files.touchstone);
    return written;
}

// The files first, so that the report names only those written, then
// standard output; every problem.
std::vector<std::string> writeOutputs(const Options& options, const DesignRun& run,
                                      const std::optional<NecCheckRun>& check, const std::optional<TuneRun>& tune) {
    const ModelFiles files = check ? modelFiles(options, *check, tune) : ModelFiles{};
    FilesWritten written = writeFiles(options, files);
    std::string report;
    if (options.necDeck == "-")
        report = files.deck;
    else if (options.json)
        report = jsonReport(run, check ? &*check : nullptr, tune ? &*tune : nullptr);
    else
        report =
            humanReport(run, options) +
            (check && !check->conditions.empty() ? necReport(*check, options, options.tune ? "" : written.lines) : "") +
            (tune ? tuneReport(*tune, *check, options, written.lines) : "");
    if (auto problem = writeStandardOutput(report)) written.problems.push_back(std::move(*problem));
    return written.problems;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "loopbeam-cli: %s\nTry loopbeam-cli --help for the options.\n", message.c_str());
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe is an output error to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    exitOnEndingSignals();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (std::holds_alternative<HelpRequested>(parsed) || std::holds_alternative<VersionRequested>(parsed)) {
        if (const auto problem =
                writeStandardOutput(std::holds_alternative<HelpRequested>(parsed) ? usage() : versionText())) {
            sayProblem(*problem);
            return kOutputError;
        }
        return kDone;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) return usageError(error->message);
    const Options& options = std::get<Options>(parsed);
    if (const auto clash = outputsShareAFile(options)) return usageError(*clash);
    // A file that cannot be written fails now, not after a check of minutes.
    if (const auto problem = unwritableOutput(options)) {
        sayProblem(*problem);
        return kOutputError;
    }
    loopbeam::DesignState state;
    const DesignRun run = runDesign(options, state);
    std::optional<NecCheckRun> check;
    if (!run.failure && options.modelsDesign())
        check = runNecCheck(options, loopbeam::calculatedDesign(state, options.type, options.elements));
    std::optional<TuneRun> tune;
    if (check && check->result && options.tune) tune = runTune(options, *check);
    std::vector<std::string> problems;
    {
        const OutputsBeingWritten writing;
        if (const auto status = signalExitStatus()) return *status;
        problems = writeOutputs(options, run, check, tune);
    }
    if (!problems.empty()) {
        for (const std::string& problem : problems) sayProblem(problem);
        return kOutputError;
    }
    const auto failure = firstFailure(run, check ? &*check : nullptr, tune ? &*tune : nullptr);
    if (failure) {
        sayProblem(failure->message);
        return kRefused;
    }
    return kDone;
}
