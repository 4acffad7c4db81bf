#include "nec/engine/stale_dirs.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "nec/engine/private_dir.h"

namespace loopbeam::nec {
namespace {

// The folder's lock file, held, when the folder is a stale one of this user's.
int staleLock(int baseFd, const char* name) {
    const int folder = openat(baseFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return -1;
    struct stat owner {};
    int lock = -1;
    if (fstat(folder, &owner) == 0 && owner.st_uid == geteuid())
        lock = openat(folder, std::string(kLockFileName).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    close(folder);
    if (lock >= 0 && flock(lock, LOCK_EX | LOCK_NB) != 0) {
        close(lock);
        lock = -1;
    }
    return lock;
}

}  // namespace

void removeStaleDirs(const std::string& base) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(base.c_str()), closedir);
    if (!listing) return;
    while (const dirent* entry = readdir(listing.get())) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(kPrivateDirPrefix)) continue;
        const int lock = staleLock(dirfd(listing.get()), entry->d_name);
        if (lock < 0) continue;
        std::error_code ignored;  // another sweep may be removing it too
        std::filesystem::remove_all(base + '/' + entry->d_name, ignored);
        close(lock);
    }
}

}  // namespace loopbeam::nec
