#include "nec/engine/child_processes.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <initializer_list>

#include "nec/engine/program_lookup.h"

extern char** environ;

namespace loopbeam::nec {

namespace {

pid_t waitFor(pid_t pid, int* status, int flags) {
    pid_t result;
    do {
        result = waitpid(pid, status, flags);
    } while (result < 0 && errno == EINTR);
    return result;
}

void closeQuietly(int fd) {
    if (fd >= 0) close(fd);
}

// What the child needs between fork and exec, all prepared before the fork.
struct ChildSetup {
    const char* program;
    char* const* argv;
    int input, log, report;  // all at 3 or above, close-on-exec
    int folder;              // the one to run in
    pid_t parent;
    int highestFd;  // for closing without close_range
};

// Signals a caller ignores (a GUI often ignores SIGPIPE) go back to their
// defaults; so do the caller's handlers, before the signals are unblocked.
void defaultSignals() {
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction current {};
        if (signal == SIGKILL || signal == SIGSTOP || sigaction(signal, nullptr, &current) != 0) continue;
        const bool reset = signal == SIGPIPE || signal == SIGINT || signal == SIGQUIT || signal == SIGTERM ||
                           signal == SIGHUP || signal == SIGCHLD;
        if (reset || (current.sa_handler != SIG_DFL && current.sa_handler != SIG_IGN))
            sigaction(signal, &defaults, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

// In the child: async-signal-safe calls only (the parent may have threads).
[[noreturn]] void becomeProgram(const ChildSetup& s) {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != s.parent) _exit(127);  // the parent went before the signal was set
    defaultSignals();
    if (fchdir(s.folder) != 0) {
        const int error = errno;
        [[maybe_unused]] const ssize_t told = write(s.report, &error, sizeof error);
        _exit(127);
    }
    dup2(s.input, 0);
    dup2(s.log, 1);
    dup2(s.log, 2);
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0)
        for (int fd = 3; fd <= s.highestFd; ++fd)
            if (fd != s.report) close(fd);
    execve(s.program, s.argv, environ);
    const int error = errno;
    [[maybe_unused]] const ssize_t told = write(s.report, &error, sizeof error);
    _exit(127);
}

// A descriptor at 3 or above, close-on-exec: dup2 onto 0 to 2 then neither
// overwrites another of the child's nor meets itself (which would keep
// close-on-exec set).
int highDescriptor(int fd) {
    if (fd < 0 || fd > 2) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

int highestDescriptor() {
    struct rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 65535;
    return static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 1 << 20)) - 1;
}

// Waits for the exec: the report pipe closes on success, or carries the errno.
int execError(int report) {
    int error = 0;
    ssize_t n;
    do {
        n = read(report, &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    return n == sizeof error ? error : 0;
}

}  // namespace

Spawned spawnProgram(const std::vector<std::string>& argv, int folder, const std::string& logName) {
    const FoundProgram found = findProgram(argv.at(0));
    if (found.error != 0) return {-1, found.error};
    std::error_code unknown;  // found relative to this process's folder, not the child's
    const std::string program = std::filesystem::absolute(found.path, unknown).string();
    if (unknown) return {-1, unknown.value()};
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    int report[2] = {-1, -1};
    const int input = highDescriptor(open("/dev/null", O_RDONLY | O_CLOEXEC));
    const int log =
        highDescriptor(openat(folder, logName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    const bool ready = input >= 0 && log >= 0 && pipe2(report, O_CLOEXEC) == 0;
    report[0] = highDescriptor(report[0]);
    report[1] = highDescriptor(report[1]);
    if (!ready || report[0] < 0 || report[1] < 0) {
        const int error = errno;
        for (int fd : {input, log, report[0], report[1]}) closeQuietly(fd);
        return {-1, error};
    }
    const ChildSetup setup{program.c_str(), args.data(), input, log, report[1], folder, getpid(), highestDescriptor()};

    // No handler of the caller's may run in the child before exec.
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t pid = fork();
    if (pid == 0) becomeProgram(setup);
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    for (int fd : {input, log, report[1]}) close(fd);
    if (pid < 0) {
        close(report[0]);
        return {-1, forkError};
    }
    setpgid(pid, pid);  // as the child does: a group kill right after this return must find the group
    const int error = execError(report[0]);
    close(report[0]);
    if (error != 0) {
        int status = 0;
        waitFor(pid, &status, 0);
        return {-1, error};
    }
    return {pid, 0};
}

std::vector<pid_t> ChildGroup::pids() const {
    std::vector<pid_t> pids;
    for (const Child& c : children_) pids.push_back(c.pid);
    return pids;
}

std::optional<int> ChildGroup::ended(std::size_t i) {
    Child& child = children_[i];
    if (child.reaped) return std::nullopt;
    siginfo_t info{};
    int result;
    do {
        result = waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOHANG | WNOWAIT);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {  // reaped by someone else (the caller ignores SIGCHLD): how it ended is unknown
        child.reaped = true;
        return kUnknownStatus;
    }
    if (info.si_pid == 0) return std::nullopt;
    // Not yet reaped, the child holds its group's id: what it left there is
    // still its own, not another's that reuses the number.
    kill(-child.pid, SIGKILL);
    int status = 0;
    waitFor(child.pid, &status, 0);
    child.reaped = true;
    return status;
}

void ChildGroup::killAll() {
    for (Child& c : children_) {
        if (c.reaped) continue;
        kill(-c.pid, SIGKILL);
        kill(c.pid, SIGKILL);  // should its group have failed to form
    }
    for (Child& c : children_) {
        if (c.reaped) continue;
        int status = 0;
        waitFor(c.pid, &status, 0);
        c.reaped = true;
    }
}

}  // namespace loopbeam::nec
