#include "nec/engine_run.h"

#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "common/checked_output.h"
#include "nec/child_processes.h"
#include "nec/nec2c_output.h"
#include "nec/printf_text.h"
#include "nec/private_dir.h"

namespace loopbeam::nec {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollInterval{20};
constexpr std::chrono::milliseconds kProgressInterval{250};

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string lastLine(const std::string& text) {
    const std::size_t end = text.find_last_not_of(" \n\r\t");
    if (end == std::string::npos) return "";
    const std::size_t newline = text.find_last_of('\n', end);
    const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
    return text.substr(start, end + 1 - start);
}

// The files of job i in the private directory.
struct JobFiles {
    std::string deck, output, log;
};

JobFiles filesOf(const PrivateDir& dir, std::size_t i) {
    const std::string n = std::to_string(i + 1);
    return {dir.file("in" + n + ".nec"), dir.file("out" + n + ".txt"), dir.file("log" + n + ".txt")};
}

std::string spawnFailure(const std::string& engine, int error) {
    if (error == ENOENT)
        return "The NEC-2 engine \"" + engine +
               "\" was not found. Install nec2c (Debian and Ubuntu: apt install nec2c) and check again.";
    return "Could not start the NEC-2 engine \"" + engine + "\": " + std::strerror(error) + ".";
}

std::string endingFailure(int status, const JobFiles& files) {
    const std::string output = readFile(files.output).value_or("");
    const std::string log = lastLine(readFile(files.log).value_or(""));
    if (WIFEXITED(status) && WEXITSTATUS(status) == 255) {
        const std::string complaint = nec2cComplaint(output);
        return "nec2c refused its input: " + (complaint.empty() ? log : complaint);
    }
    const std::string said = log.empty() ? nec2cComplaint(output) : log;
    if (WIFEXITED(status))
        return printfText("nec2c stopped with exit status %d%s%s", WEXITSTATUS(status), said.empty() ? "" : ": ",
                          said.c_str());
    if (WIFSIGNALED(status))
        return printfText("nec2c was ended by signal %d (%s)%s%s", WTERMSIG(status), strsignal(WTERMSIG(status)),
                          said.empty() ? "" : ": ", said.c_str());
    return "nec2c ended in a way that could not be learned (is SIGCHLD ignored?)";
}

// Solved frequencies so far, from what nec2c has written.
double solvedFraction(const std::vector<JobFiles>& files, const std::vector<EngineJob>& jobs) {
    std::size_t solved = 0, total = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        total += jobs[i].frequencies;
        const std::string output = readFile(files[i].output).value_or("");
        std::size_t count = 0;
        for (std::size_t at = output.find(kSolvedMarker); at != std::string::npos;
             at = output.find(kSolvedMarker, at + 1))
            ++count;
        solved += std::min(count, jobs[i].frequencies);
    }
    return total == 0 ? 1.0 : static_cast<double>(solved) / static_cast<double>(total);
}

void pause(const RunControl& control) {
    if (control.cancel)
        control.cancel->waitFor(kPollInterval);
    else
        std::this_thread::sleep_for(kPollInterval);
}

}  // namespace

Outcome<std::vector<std::string>> runNec2c(const std::vector<EngineJob>& jobs, const RunControl& control) {
    auto dir = makePrivateDir(temporaryBase());
    if (!dir) return Refused{dir.error()};
    std::vector<JobFiles> files;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        files.push_back(filesOf(*dir, i));
        if (const auto problem = writeFile(files[i].deck, jobs[i].deck))
            return refuse("The NEC-2 deck could not be written: " + *problem + ".");
    }

    ChildGroup children;  // declared after the directory: the children go before their files
    for (const JobFiles& f : files) {
        const Spawned spawned = spawnProgram({control.enginePath, "-i", f.deck, "-o", f.output}, f.log);
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
            if (!(WIFEXITED(*status) && WEXITSTATUS(*status) == 0)) {
                return refuse(endingFailure(*status, files[i]));
            }
        }
        if (running == 0) break;
        if (control.cancel && control.cancel->requested()) {
            return refuse(kCancelledMessage);
        }
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            const double limit = control.timeoutSeconds.value_or(jobs[i].timeoutSeconds);
            if (done[i] || elapsed <= limit) continue;
            return refuse(
                printfText("nec2c took longer than %.0f s for %zu frequencies of this model and was stopped. "
                           "The machine may be busy with other work: try again later.",
                           limit, jobs[i].frequencies));
        }
        if (control.progress && Clock::now() - lastProgress >= kProgressInterval) {
            lastProgress = Clock::now();
            const double fraction = solvedFraction(files, jobs);
            if (fraction != reported) control.progress(reported = fraction);
        }
        pause(control);
    }

    std::vector<std::string> outputs;
    for (const JobFiles& f : files) {
        auto output = readFile(f.output);
        if (!output) return refuse("nec2c wrote no output file (" + f.output + ").");
        outputs.push_back(std::move(*output));
    }
    if (control.progress) control.progress(1.0);
    return outputs;
}

}  // namespace loopbeam::nec
