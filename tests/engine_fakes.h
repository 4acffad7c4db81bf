#pragma once
// Stand-ins for nec2c written into a scratch folder, and engine processes
// watched by pid. The test adopts what the program under test leaves
// orphaned (a child subreaper), so that a dead one is reaped and its pid then
// really gone, whatever init does.

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace loopbeam::test {

namespace fs = std::filesystem;

struct ScratchDir {
    fs::path path = [] {
        std::string pattern = (fs::temp_directory_path() / "loopbeam-test-XXXXXX").string();
        return fs::path(mkdtemp(pattern.data()) ? pattern : "");
    }();
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

inline fs::path writeScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

// One pid a line, as the fakes append them.
inline std::vector<pid_t> pidsIn(const fs::path& file) {
    std::ifstream in(file);
    std::vector<pid_t> pids;
    for (pid_t pid; in >> pid;) pids.push_back(pid);
    return pids;
}

template <class Condition>
bool waitUntil(Condition done, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(10)))
        if (std::chrono::steady_clock::now() > end) return false;
    return true;
}

inline void adoptOrphans() { prctl(PR_SET_CHILD_SUBREAPER, 1); }

inline bool allGoneWithin(const std::vector<pid_t>& pids, std::chrono::seconds limit) {
    return waitUntil(
        [&] {
            while (waitpid(-1, nullptr, WNOHANG) > 0) continue;  // the adopted ones
            for (pid_t pid : pids)
                if (kill(pid, 0) == 0 || errno != ESRCH) return false;
            return true;
        },
        limit);
}

}  // namespace loopbeam::test
