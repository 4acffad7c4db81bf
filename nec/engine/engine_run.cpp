#include "nec/engine/engine_run.h"

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "nec/engine/capped_read.h"
#include "nec/engine/child_processes.h"
#include "nec/engine/disk_space.h"
#include "nec/engine/engine_failure.h"
#include "nec/engine/nec2c_output.h"
#include "nec/engine/output_size.h"
#include "nec/engine/private_dir.h"
#include "nec/engine/run_registry.h"
#include "nec/engine/temporary_base.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

using Clock = std::chrono::steady_clock;
// A tuning's single-frequency runs end within milliseconds, a check's within
// seconds: the wait between looks grows with the run, so that a short run is
// seen ending at once and a long one is not looked at needlessly often.
constexpr std::chrono::milliseconds kFirstPollInterval{1}, kPollInterval{20};

std::chrono::milliseconds pollInterval(Clock::duration elapsed) {
    return std::clamp(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed / 8), kFirstPollInterval,
                      kPollInterval);
}

constexpr std::chrono::milliseconds kProgressInterval{250};

// The names of job i's files in the private directory (nec2c runs there, so
// that no TMPDIR makes them longer than it takes), and what its output may be.
struct JobFiles {
    std::string deck, output, log;
    OutputSize size;
};

JobFiles filesOf(std::size_t i, const EngineJob& job) {
    const std::string n = std::to_string(i + 1);
    return {"in" + n + ".nec", "out" + n + ".txt", "log" + n + ".txt", outputSizeOf(job.deck)};
}

// A run still going is stopped; one that has finished is left unread.
std::optional<std::string> beyondCaps(int dir, const JobFiles& files, std::size_t frequencies, bool finished) {
    constexpr double kMegabyte = 1 << 20;
    const char* fate = finished ? "; none of it is read" : ", and was stopped";
    if (fileSize(dir, files.output) > files.size.capBytes)
        return printfText(
            "nec2c wrote more than %.0f MB for %s, where this model needs about %.2g MB%s. Check "
            "that the nec2c on PATH is the NEC-2 engine.",
            static_cast<double>(files.size.capBytes) / kMegabyte,
            countText(frequencies, "frequency", "frequencies").c_str(), files.size.expectedBytes / kMegabyte, fate);
    if (fileSize(dir, files.log) > kLogCap)
        return printfText(
            "nec2c wrote more than %.0f MB of messages, where it normally writes none%s. "
            "Check that the nec2c on PATH is the NEC-2 engine.",
            kLogCap / kMegabyte, fate);
    return std::nullopt;
}

std::string failureOf(int status, int dir, const JobFiles& files) {
    return endingFailure(status, readUpTo(dir, files.output, files.size.capBytes).value_or(""),
                         readUpTo(dir, files.log, kLogCap).value_or(""));
}

// Solved frequencies so far, from what nec2c has written.
double solvedFraction(int dir, const std::vector<JobFiles>& files, const std::vector<EngineJob>& jobs) {
    std::size_t solved = 0, total = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        total += jobs[i].frequencies;
        const std::string output = readUpTo(dir, files[i].output, files[i].size.capBytes).value_or("");
        std::size_t count = 0;
        for (std::size_t at = output.find(kSolvedMarker); at != std::string::npos;
             at = output.find(kSolvedMarker, at + 1))
            ++count;
        solved += std::min(count, jobs[i].frequencies);
    }
    return total == 0 ? 1.0 : static_cast<double>(solved) / static_cast<double>(total);
}

}  // namespace

unsigned enginesAtOnce(const RunControl& control) {
    return control.parallelRuns ? control.parallelRuns : std::max(1u, std::thread::hardware_concurrency());
}

Outcome<std::vector<std::string>> runNec2c(const std::vector<EngineJob>& jobs, const RunControl& control) {
    CancelHandle own;
    CancelHandle& cancel = control.cancel ? *control.cancel : own;
    // First made, last gone: whoever waits for every run waits for the cleanup below too.
    const RegisteredRun registered(cancel);
    if (cancel.requested()) return refuse(kCancelledMessage);
    const std::string base = temporaryBase();
    auto dir = makePrivateDir(base);
    if (!dir) return Refused{dir.error()};
    // Less room than a write needed: the disk filled (a write that failed cleans up after itself).
    const auto diskFull = [&](std::size_t needed = 1) { return freeBytes(dir->fd()) < needed; };
    std::vector<JobFiles> files;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        files.push_back(filesOf(i, jobs[i]));
        if (const auto problem = dir->writeFile(files[i].deck, jobs[i].deck))
            return refuse(diskFull(jobs[i].deck.size()) ? noSpaceMessage(base)
                                                        : "The NEC-2 deck could not be written: " + *problem + ".");
    }

    ChildGroup children;  // declared after the directory: the children go before their files
    for (const JobFiles& f : files) {
        const Spawned spawned = spawnProgram({control.enginePath, "-i", f.deck, "-o", f.output}, dir->fd(), f.log);
        if (spawned.error != 0) return refuse(spawnFailure(control.enginePath, spawned.error));
        children.add(spawned.pid);
    }
    if (control.started) control.started(children.pids(), dir->path());

    const Clock::time_point start = Clock::now();
    Clock::time_point lastProgress = start;
    double reported = -1;
    std::vector<bool> done(jobs.size(), false);
    std::size_t running = jobs.size();
    while (running > 0) {
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            if (done[i]) continue;
            const std::optional<int> status = children.ended(i);
            if (!status) continue;
            done[i] = true;
            --running;
            if (!(WIFEXITED(*status) && WEXITSTATUS(*status) == 0))
                return refuse(diskFull() ? noSpaceMessage(base) : failureOf(*status, dir->fd(), files[i]));
        }
        if (running == 0) break;
        if (cancel.requested()) return refuse(kCancelledMessage);
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            if (done[i]) continue;
            if (const auto beyond = beyondCaps(dir->fd(), files[i], jobs[i].frequencies, false)) return refuse(*beyond);
            const double limit = control.timeoutSeconds.value_or(jobs[i].timeoutSeconds);
            if (elapsed <= limit) continue;
            return refuse(
                printfText("nec2c took longer than %.0f s for %s of this model and was stopped. "
                           "The machine may be busy with other work: try again later.",
                           limit, countText(jobs[i].frequencies, "frequency", "frequencies").c_str()));
        }
        if (control.progress && Clock::now() - lastProgress >= kProgressInterval) {
            lastProgress = Clock::now();
            const double fraction = solvedFraction(dir->fd(), files, jobs);
            if (fraction != reported) control.progress(reported = fraction);
        }
        cancel.waitFor(pollInterval(Clock::now() - start));
    }

    std::vector<std::string> outputs;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (const auto beyond = beyondCaps(dir->fd(), files[i], jobs[i].frequencies, true)) return refuse(*beyond);
        auto output = readUpTo(dir->fd(), files[i].output, files[i].size.capBytes);
        if (!output) return refuse("nec2c wrote no output file (" + dir->file(files[i].output) + ").");
        // nec2c does not say when a write fails: its output just stops short.
        if (output->find(kFinishedMarker) == std::string::npos && diskFull()) return refuse(noSpaceMessage(base));
        outputs.push_back(std::move(*output));
    }
    if (control.progress) control.progress(1.0);
    return outputs;
}

}  // namespace loopbeam::nec
