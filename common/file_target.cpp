#include "common/file_target.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

namespace loopbeam {
namespace {

constexpr int kMostLinks = 40;  // as the kernel follows before ELOOP

void splitName(FileTarget& target) {
    const std::size_t slash = target.path.rfind('/');
    target.folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.path.substr(0, slash);
    target.name = slash == std::string::npos ? target.path : target.path.substr(slash + 1);
}

FileTarget::Kind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileTarget::Kind::Regular;
    if (S_ISDIR(mode)) return FileTarget::Kind::Directory;
    return FileTarget::Kind::Other;
}

std::string realFolder(const std::string& folder) {
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(folder.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : folder;
}

// The name the path's links end at, followed one by one: the kernel would
// follow a dangling link to create its target, but cannot tell us its name.
BasicOutcome<FileTarget, int> followLinks(const std::string& path) {
    FileTarget target;
    target.path = path;
    for (int links = 0; links <= kMostLinks; ++links) {
        if (target.path.back() == '/') return Refused{EISDIR};  // names a folder, never a file
        splitName(target);
        if (lstat(target.path.c_str(), &target.status) != 0) {
            if (errno != ENOENT) return Refused{errno};
            target.kind = FileTarget::Kind::Missing;
            return target;
        }
        if (!S_ISLNK(target.status.st_mode)) {
            target.kind = kindOf(target.status.st_mode);
            return target;
        }
        char link[PATH_MAX];
        const ssize_t length = readlink(target.path.c_str(), link, sizeof link);
        if (length < 0) return Refused{errno};
        if (static_cast<std::size_t>(length) == sizeof link) return Refused{ENAMETOOLONG};
        const std::string to(link, static_cast<std::size_t>(length));
        target.path = to.starts_with('/') || target.folder == "." ? to : target.folder + "/" + to;
    }
    return Refused{ELOOP};
}

}  // namespace

BasicOutcome<FileTarget, int> fileTarget(const std::string& path) {
    if (path.empty()) return Refused{ENOENT};
    struct stat reached {};
    const bool exists = stat(path.c_str(), &reached) == 0;
    if (!exists && errno != ENOENT) return Refused{errno};
    auto target = followLinks(path);
    if (!target || !exists) return target;
    // What the kernel reaches is what counts: /dev/stdout ends at a pipe whose
    // link text ("pipe:[1234]") names no file; such a file is written in place.
    if (target->kind == FileTarget::Kind::Missing || target->status.st_dev != reached.st_dev ||
        target->status.st_ino != reached.st_ino) {
        target->path = path;
        target->kind = S_ISDIR(reached.st_mode) ? FileTarget::Kind::Directory : FileTarget::Kind::Other;
        target->status = reached;
        splitName(*target);
    }
    return target;
}

bool sameFile(const FileTarget& a, const FileTarget& b) {
    using Kind = FileTarget::Kind;
    if (a.kind != Kind::Missing && b.kind != Kind::Missing)
        return a.status.st_dev == b.status.st_dev && a.status.st_ino == b.status.st_ino;
    if (a.kind != Kind::Missing || b.kind != Kind::Missing) return false;
    return a.name == b.name && realFolder(a.folder) == realFolder(b.folder);
}

}  // namespace loopbeam
