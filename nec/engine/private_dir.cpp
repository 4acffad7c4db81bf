#include "nec/engine/private_dir.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "nec/engine/disk_space.h"
#include "nec/engine/folder_removal.h"
#include "nec/engine/stale_dirs.h"
#include "nec/engine/temporary_base.h"

namespace loopbeam::nec {
namespace {

std::function<void(const std::string&)>& madeHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

std::string randomName() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[12] = {};
    // Too early in boot for getrandom: mkdirat's EEXIST keeps a guessed name safe, if slower.
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes))
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(std::rand());
    std::string name(kPrivateDirPrefix);
    for (unsigned char b : bytes) name += kLetters[b % (sizeof kLetters - 1)];
    return name;
}

// Ours, a folder, and then closed to everyone else (a default ACL or a
// umask may have given it other bits).
bool isOwnPrivateFolder(int folder) {
    struct stat made {};
    if (fstat(folder, &made) != 0 || !S_ISDIR(made.st_mode) || made.st_uid != geteuid()) return false;
    return fchmod(folder, 0700) == 0 && fstat(folder, &made) == 0 && (made.st_mode & 07777) == 0700;
}

}  // namespace

PrivateDir::~PrivateDir() {
    if (folder_) removeFolder(base_.get(), name_, folder_.get());
}

// Locked under another name, then renamed: a sweep never finds the lock file
// unheld while the folder is in use.
bool PrivateDir::lock() {
    const std::string fresh = std::string(kLockFileName) + ".new";
    OwnedFd held(openat(fd(), fresh.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!held) return false;
    if (flock(held.get(), LOCK_EX | LOCK_NB) != 0 ||
        renameat(folder_.get(), fresh.c_str(), folder_.get(), std::string(kLockFileName).c_str()) != 0)
        return false;
    lock_ = std::move(held);
    return true;
}

std::optional<std::string> PrivateDir::writeFile(const std::string& name, std::string_view text) const {
    const auto problem = [&] { return "cannot write " + file(name) + ": " + std::strerror(errno); };
    const OwnedFd out(openat(fd(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out) return problem();
    for (std::size_t at = 0; at < text.size();) {
        const ssize_t n = write(out.get(), text.data() + at, text.size() - at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return problem();
        at += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

Outcome<PrivateDir> makePrivateDir(const std::string& base) {
    auto baseFd = openTemporaryBase(base);
    if (!baseFd) return Refused{baseFd.error()};
    removeStaleDirsOnce(baseFd->get());
    const auto refusal = [&base] {
        if (errno == ENOSPC || errno == EDQUOT) return refuse(noSpaceMessage(base));
        return refuse("Could not make a temporary directory for nec2c in " + base + ": " + std::strerror(errno) + ".");
    };
    std::string name;
    for (int tries = 0;; ++tries) {
        name = randomName();
        if (mkdirat(baseFd->get(), name.c_str(), 0700) == 0) break;
        if (errno != EEXIST || tries == 100) return refusal();
    }
    if (madeHook()) madeHook()(base + '/' + name);
    OwnedFd folder(openat(baseFd->get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    // Not what was made: someone swapped it, and whatever it is now is left alone.
    if (!folder || !isOwnPrivateFolder(folder.get()))
        return refuse("The folder made for nec2c in TMPDIR=" + base + " (" + name +
                      ") was replaced by another before it could be used: another user may be meddling with "
                      "TMPDIR. " +
                      kOwnTmpdirAdvice);
    PrivateDir dir(std::move(*baseFd), base, name, std::move(folder));  // removed again should the lock fail
    if (!dir.lock()) return refusal();
    return dir;
}

void onPrivateDirMade(std::function<void(const std::string&)> made) { madeHook() = std::move(made); }

}  // namespace loopbeam::nec
