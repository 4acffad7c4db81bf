#include "nec/child_processes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>

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

// Signals a caller may ignore (a GUI often ignores SIGPIPE) go back to their
// defaults in the child; a blocked mask is not inherited either.
void setSignals(posix_spawnattr_t& attr) {
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD}) sigaddset(&defaults, signal);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

}  // namespace

Spawned spawnProgram(const std::vector<std::string>& argv, const std::string& logPath) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
    posix_spawn_file_actions_addclosefrom_np(&files, 3);  // none of the caller's descriptors
#endif
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    setSignals(attr);

    Spawned spawned;
    spawned.error = posix_spawnp(&spawned.pid, args[0], &files, &attr, args.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    if (spawned.error != 0) spawned.pid = -1;
    return spawned;
}

std::vector<pid_t> ChildGroup::pids() const {
    std::vector<pid_t> pids;
    for (const Child& c : children_) pids.push_back(c.pid);
    return pids;
}

std::optional<int> ChildGroup::ended(std::size_t i) {
    Child& child = children_[i];
    if (child.reaped) return std::nullopt;
    int status = 0;
    const pid_t result = waitFor(child.pid, &status, WNOHANG);
    if (result == 0) return std::nullopt;
    child.reaped = true;
    // Reaped by someone else (the caller ignores SIGCHLD): how it ended is unknown.
    return result == child.pid ? status : kUnknownStatus;
}

void ChildGroup::killAll() {
    for (Child& c : children_)
        if (!c.reaped) kill(c.pid, SIGKILL);
    for (Child& c : children_) {
        if (c.reaped) continue;
        int status = 0;
        waitFor(c.pid, &status, 0);
        c.reaped = true;
    }
}

}  // namespace loopbeam::nec
