#pragma once
// Child programs started by path and argument vector (fork and exec, no
// shell), each the leader of a process group of its own, and the set that
// owns them: whatever ends a run, every child's group still running is killed
// with SIGKILL and the child reaped.
//
// A child is also killed when the thread that started it ends, even by
// SIGKILL to the whole process (Linux's parent-death signal fires when that
// *thread* goes): the thread that spawns must live until its children are
// reaped. Only the direct child is covered so; what it starts in its group
// goes with the group kills.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace loopbeam::nec {

// Run in folder (a descriptor: relative names in argv are in it), standard
// input from /dev/null, standard output and error into logName there, no
// other descriptor of the caller's. A program without a slash is looked up on
// PATH. Gives the pid, or the errno of what failed (the exec's included).
struct Spawned {
    pid_t pid = -1;
    int error = 0;
};
Spawned spawnProgram(const std::vector<std::string>& argv, int folder, const std::string& logName);

class ChildGroup {
public:
    ChildGroup() = default;
    ChildGroup(const ChildGroup&) = delete;
    ChildGroup& operator=(const ChildGroup&) = delete;
    ~ChildGroup() { killAll(); }

    void add(pid_t pid) { children_.push_back({pid, false}); }
    std::vector<pid_t> pids() const;

    // The wait status of child i once it has ended (reaped then, and what it
    // left running in its group killed), without blocking; kUnknownStatus
    // when it was reaped elsewhere.
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
