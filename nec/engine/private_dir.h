#pragma once
// A temporary directory only this user can read (mkdtemp), removed with all it
// holds when its owner goes, whatever way the run ended. For its whole life it
// holds an flock on its lock file, so that a later run can tell a folder left
// by a process that no longer exists (SIGKILL, power loss) and remove it.

#include <string>
#include <string_view>

#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr std::string_view kPrivateDirPrefix = "loopbeam-nec-";
inline constexpr std::string_view kLockFileName = "lock";

class PrivateDir {
public:
    explicit PrivateDir(std::string path) : path_(std::move(path)) {}
    PrivateDir(PrivateDir&& other) noexcept : path_(std::move(other.path_)), lock_(other.lock_) {
        other.path_.clear();
        other.lock_ = -1;
    }
    PrivateDir& operator=(PrivateDir&&) = delete;
    ~PrivateDir();

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + '/' + std::string(name); }

    // Takes the lock for the directory's life; false with errno set when it cannot.
    bool lock();

private:
    std::string path_;
    int lock_ = -1;
};

// $TMPDIR, or /tmp without it: where the private directories go.
std::string temporaryBase();

// Under base (temporaryBase()), after removing the stale folders there.
Outcome<PrivateDir> makePrivateDir(const std::string& base);

}  // namespace loopbeam::nec
