// loopbeam-cli: a quad antenna design from the command line, on the same
// handler logic as the windows, and its NEC-2 check.

#include <csignal>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/design_run.h"
#include "cli/measured_report.h"
#include "cli/measured_run.h"
#include "cli/multiband_run.h"
#include "cli/nec_check.h"
#include "cli/options.h"
#include "cli/output_files.h"
#include "cli/report.h"
#include "cli/signal_exit.h"
#include "cli/tune_report.h"
#include "cli/tune_run.h"
#include "common/checked_output.h"
#include "common/shown_name.h"
#include "nec/check/sweep_files.h"
#include "nec/measured/measurement_file.h"

namespace {

using namespace loopbeam::cli;
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

// A file replaced holds the ending signals until it is whole; a device or
// FIFO does not, as its reader may never read.
std::optional<std::string> writeOutput(loopbeam::OutputFile& file, const std::string& text) {
    if (!file.replaces()) return file.write(text);
    const FileBeingReplaced replacing;
    return file.write(text);
}

FilesWritten writeFiles(const Options& options, OutputFiles& outputs, const ModelFiles& files) {
    FilesWritten written;
    const std::string whose = options.tune ? " of the tuned design" : "";
    const auto write = [&](const std::string& what, loopbeam::OutputFile& file, const std::string& path,
                           const std::string& text) {
        if (auto problem = writeOutput(file, text))
            written.problems.push_back(std::move(*problem));
        else
            written.lines += what + whose + " written to " + loopbeam::shownFileName(path) + "\n";
    };
    if (outputs.necDeck && !files.deck.empty()) write("NEC-2 deck", *outputs.necDeck, *options.necDeck, files.deck);
    if (outputs.touchstone && files.touchstone)
        write("Touchstone file", *outputs.touchstone, *options.touchstone, *files.touchstone);
    return written;
}

// The files first, so that the report names only those written, then
// standard output; every problem. Standard output may be a pipe nobody reads:
// a signal ends the program whatever its write is waiting on.
std::vector<std::string> writeOutputs(const Options& options, OutputFiles& outputs, const DesignRun& run,
                                      const std::optional<NecCheckRun>& check, const std::optional<TuneRun>& tune,
                                      const std::optional<MeasuredRun>& measured) {
    const ModelFiles files = check ? modelFiles(options, *check, tune) : ModelFiles{};
    FilesWritten written = writeFiles(options, outputs, files);
    std::string report;
    if (options.necDeck == "-")
        report = files.deck;
    else if (options.json)
        report = jsonReport(run, check ? &*check : nullptr, tune ? &*tune : nullptr, measured ? &*measured : nullptr);
    else
        report =
            humanReport(run, options) +
            (check && !check->conditions.empty() ? necReport(*check, options, options.tune ? "" : written.lines) : "") +
            (tune ? tuneReport(*tune, *check, options, written.lines) : "") +
            (measured ? measuredReport(*measured) : "");
    if (auto problem = writeStandardOutput(report)) written.problems.push_back(std::move(*problem));
    return written.problems;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "loopbeam-cli: %s\nTry loopbeam-cli --help for the options.\n", message.c_str());
    return kUsageError;
}

// --cut-list-csv: the tuned quad's list with --tune, none when the tuning failed or missed a band's constraints.
FilesWritten writeCutList(const Options& options, OutputFiles& outputs, const MultibandRun& run) {
    FilesWritten written;
    if (!outputs.cutListCsv || !run.spider || (options.tune && !(run.tuned && run.tuned->metEveryBand())))
        return written;
    if (auto problem = writeOutput(*outputs.cutListCsv, loopbeam::nec::spiderCutCsv(cutSheetOf(run))))
        written.problems.push_back(std::move(*problem));
    else
        written.lines = std::string("Cut list") + (run.tuned ? " of the tuned quad" : "") + " written to " +
                        loopbeam::shownFileName(*options.cutListCsv) + "\n";
    return written;
}

// --bands: its own design and check, and its own reports.
int severalBands(const Options& options) {
    if (const auto clash = outputsShareAFile(options)) return usageError(*clash);
    auto outputs = openOutputFiles(options);
    if (!outputs) {
        sayProblem(outputs.error());
        return kOutputError;
    }
    const MultibandRun run = runMultiband(options);
    if (const auto status = signalExitStatus()) return *status;
    FilesWritten written = writeCutList(options, *outputs, run);
    if (const auto problem =
            writeStandardOutput(options.json ? multibandJson(run) : multibandReport(run, written.lines)))
        written.problems.push_back(*problem);
    if (const auto status = signalExitStatus()) return *status;
    if (!written.problems.empty()) {
        for (const std::string& problem : written.problems) sayProblem(problem);
        return kOutputError;
    }
    if (run.failure) {
        sayProblem(run.failure->message);
        return kRefused;
    }
    return kDone;
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
    if (!options.bands.empty()) return severalBands(options);
    if (const auto clash = outputsShareAFile(options)) return usageError(*clash);
    // A file that cannot be written, or a FIFO nobody reads, fails now, not after a check of minutes.
    auto outputs = openOutputFiles(options);
    if (!outputs) {
        sayProblem(outputs.error());
        return kOutputError;
    }
    // A file that cannot be read fails now too.
    std::optional<loopbeam::nec::MeasuredSweep> measuredSweep;
    if (options.measured.file) {
        auto read = loopbeam::nec::readMeasurementFile(*options.measured.file);
        if (!read) {
            sayProblem(read.error().message);
            return kRefused;
        }
        measuredSweep = std::move(*read);
    }
    std::optional<std::vector<loopbeam::nec::AsCutLength>> asCut;
    if (options.measured.asCut) {
        auto read = loopbeam::nec::readAsCut(*options.measured.asCut);
        if (!read) {
            sayProblem("--as-cut: " + read.error().message);
            return kRefused;
        }
        asCut = std::move(*read);
    }
    loopbeam::DesignState state;
    const DesignRun run = runDesign(options, state);
    std::optional<NecCheckRun> check;
    if (!run.failure && options.modelsDesign())
        check = runNecCheck(options, loopbeam::calculatedDesign(state, options.type, options.elements));
    std::optional<TuneRun> tune;
    if (check && check->result && options.tune) tune = runTune(options, *check);
    std::optional<MeasuredRun> measured;
    if (check && check->result && measuredSweep)
        measured = runMeasured(options, *check, *measuredSweep, asCut, tune ? &*tune : nullptr);
    if (const auto status = signalExitStatus()) return *status;
    const std::vector<std::string> problems = writeOutputs(options, *outputs, run, check, tune, measured);
    if (const auto status = signalExitStatus()) return *status;
    if (!problems.empty()) {
        for (const std::string& problem : problems) sayProblem(problem);
        return kOutputError;
    }
    const auto failure =
        firstFailure(run, check ? &*check : nullptr, tune ? &*tune : nullptr, measured ? &*measured : nullptr);
    if (failure) {
        sayProblem(failure->message);
        return kRefused;
    }
    return kDone;
}
