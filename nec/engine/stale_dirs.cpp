#include "nec/engine/stale_dirs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <set>
#include <string>
#include <utility>

#include "nec/engine/folder_removal.h"
#include "nec/engine/owned_fd.h"
#include "nec/engine/private_dir.h"

namespace loopbeam::nec {
namespace {

// The folder's lock file, held, when the folder is a stale one of this user's.
OwnedFd staleLock(int folder) {
    struct stat owner {};
    if (fstat(folder, &owner) != 0 || owner.st_uid != geteuid()) return {};
    OwnedFd lock(openat(folder, std::string(kLockFileName).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (lock && flock(lock.get(), LOCK_EX | LOCK_NB) != 0) return {};
    return lock;
}

}  // namespace

void removeStaleDirs(int base) {
    for (const std::string& name : namesIn(base)) {
        struct stat named {};  // cheaper than opening: most such names may be another user's
        if (!name.starts_with(kPrivateDirPrefix) || fstatat(base, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(named.st_mode) || named.st_uid != geteuid())
            continue;
        const OwnedFd folder(openat(base, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder) continue;
        const OwnedFd lock = staleLock(folder.get());  // held until the folder is gone
        if (lock) removeFolder(base, name, folder.get());
    }
}

void removeStaleDirsOnce(int base) {
    static std::mutex mutex;
    static std::set<std::pair<dev_t, ino_t>> swept;
    struct stat folder {};
    if (fstat(base, &folder) != 0) return;
    {
        const std::lock_guard lock(mutex);
        if (!swept.insert({folder.st_dev, folder.st_ino}).second) return;
    }
    removeStaleDirs(base);
}

}  // namespace loopbeam::nec
