#pragma once
// A temporary folder only this user can read, made and used through
// descriptors (no name of it is looked up again, so another user cannot swap
// it for a link), removed with all it holds when its owner goes, whatever way
// the run ended. For its whole life it holds an flock on its lock file, so
// that a later run can tell a folder left by a process that no longer exists
// (SIGKILL, power loss) and remove it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "nec/engine/owned_fd.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr std::string_view kPrivateDirPrefix = "loopbeam-nec-";
inline constexpr std::string_view kLockFileName = "lock";

class PrivateDir {
public:
    // name, in the folder base holds open (basePath), held open as folder.
    PrivateDir(OwnedFd base, const std::string& basePath, std::string name, OwnedFd folder)
        : base_(std::move(base)), folder_(std::move(folder)), name_(std::move(name)), path_(basePath + '/' + name_) {}
    PrivateDir(PrivateDir&&) noexcept = default;
    PrivateDir& operator=(PrivateDir&&) = delete;
    ~PrivateDir();

    int fd() const { return folder_.get(); }
    // For messages: no file is opened by it.
    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + '/' + std::string(name); }

    // Takes the lock for the folder's life; false with errno set when it cannot.
    bool lock();
    // A new file of the text; the problem, if any ("cannot write PATH: REASON").
    std::optional<std::string> writeFile(const std::string& name, std::string_view text) const;

private:
    OwnedFd base_, folder_, lock_;  // the lock goes last: only then may a sweep take it
    std::string name_, path_;
};

// Under base (temporaryBase()), once base is found safe, after removing the
// stale folders there (the first time in this process).
Outcome<PrivateDir> makePrivateDir(const std::string& base);

// For tests: called with the folder's path right after it is made, before it
// is opened, where another user would swap it.
void onPrivateDirMade(std::function<void(const std::string& path)> made);

}  // namespace loopbeam::nec
