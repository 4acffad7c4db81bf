#include "nec/engine/temporary_base.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace loopbeam::nec {
namespace {

// Why another user could rename entries in the folder; empty when none can.
std::string unsafeBecause(const struct stat& folder) {
    const uid_t me = geteuid();
    if (folder.st_uid != me && folder.st_uid != 0)
        return "belongs to user " + std::to_string(folder.st_uid) + ", neither you nor root";
    if ((folder.st_mode & S_IWOTH) && !(folder.st_mode & S_ISVTX))
        return "can be written by other users and lacks the sticky bit";
    return "";
}

}  // namespace

std::string temporaryBase() {
    const char* base = std::getenv("TMPDIR");
    return base && *base ? base : "/tmp";
}

Outcome<OwnedFd> openTemporaryBase(const std::string& base) {
    OwnedFd fd(open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd)
        return refuse("Could not open TMPDIR=" + base + " for nec2c's files: " + std::strerror(errno) +
                      ". Set TMPDIR to a folder you can write, or unset it to use /tmp.");
    // Up through "..": the folders the opened one really lies in, whatever links its name took.
    std::error_code ignored;
    std::filesystem::path shown = std::filesystem::canonical(base, ignored);
    if (shown.empty()) shown = base;
    OwnedFd at(dup(fd.get()));
    for (int depth = 0; at && depth < 256; ++depth) {
        struct stat folder {
        }, above{};
        if (fstat(at.get(), &folder) != 0) break;
        if (const std::string why = unsafeBecause(folder); !why.empty()) {
            const std::string which = depth == 0 ? "it" : shown.string() + ", a folder above it,";
            return refuse("TMPDIR=" + base + " is not safe for nec2c's files: " + which + " " + why +
                          ", so another user could swap a run's folder for a link to theirs. " + kOwnTmpdirAdvice);
        }
        OwnedFd up(openat(at.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!up || fstat(up.get(), &above) != 0) break;
        if (above.st_dev == folder.st_dev && above.st_ino == folder.st_ino) break;  // the root
        at = std::move(up);
        shown = shown.parent_path();
    }
    return fd;
}

}  // namespace loopbeam::nec
