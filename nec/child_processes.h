#pragma once
// Child programs started by path and argument vector (posix_spawn, no shell),
// and the group that owns them: whatever ends a run, every child still running
// is killed with SIGKILL and reaped when the group goes.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace loopbeam::nec {

// Standard input from /dev/null, standard output and error into logPath. A
// program without a slash is looked up on PATH. Gives the pid, or the errno.
struct Spawned {
    pid_t pid = -1;
    int error = 0;
};
Spawned spawnProgram(const std::vector<std::string>& argv, const std::string& logPath);

class ChildGroup {
public:
    ChildGroup() = default;
    ChildGroup(const ChildGroup&) = delete;
    ChildGroup& operator=(const ChildGroup&) = delete;
    ~ChildGroup() { killAll(); }

    void add(pid_t pid) { children_.push_back({pid, false}); }
    std::vector<pid_t> pids() const;

    // The wait status of child i once it has ended (reaped then), without
    // blocking; kUnknownStatus when it was reaped elsewhere.
    static constexpr int kUnknownStatus = -1;
    std::optional<int> ended(std::size_t i);

private:
    void killAll();

    struct Child {
        pid_t pid;
        bool reaped;
    };
    std::vector<Child> children_;
};

}  // namespace loopbeam::nec
