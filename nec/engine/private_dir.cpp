#include "nec/engine/private_dir.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "nec/engine/disk_space.h"
#include "nec/engine/stale_dirs.h"

namespace loopbeam::nec {

PrivateDir::~PrivateDir() {
    if (path_.empty()) return;
    std::error_code ignored;  // nothing useful to do about it in a destructor
    std::filesystem::remove_all(path_, ignored);
    if (lock_ >= 0) close(lock_);  // only now may a sweep take it
}

std::string temporaryBase() {
    const char* base = std::getenv("TMPDIR");
    return base && *base ? base : "/tmp";
}

// Locked under another name, then renamed: a sweep never finds the lock file
// unheld while the folder is in use.
bool PrivateDir::lock() {
    const std::string fresh = file(std::string(kLockFileName) + ".new");
    const int fd = open(fresh.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || rename(fresh.c_str(), file(kLockFileName).c_str()) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return false;
    }
    lock_ = fd;
    return true;
}

Outcome<PrivateDir> makePrivateDir(const std::string& base) {
    removeStaleDirs(base);
    std::string pattern = base + '/' + std::string(kPrivateDirPrefix) + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const auto refusal = [&base] {
        if (errno == ENOSPC || errno == EDQUOT) return refuse(noSpaceMessage(base));
        return refuse("Could not make a temporary directory for nec2c in " + base + ": " + std::strerror(errno) + ".");
    };
    if (!mkdtemp(name.data())) return refusal();
    PrivateDir dir(name.data());  // removed again should the lock fail
    if (!dir.lock()) return refusal();
    return dir;
}

}  // namespace loopbeam::nec
