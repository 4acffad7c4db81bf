#include "common/checked_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_target.h"
#include "common/shown_name.h"
#include "common/temporary_file.h"

namespace loopbeam {
namespace {

std::string cannotWrite(const std::string& where, int error) {
    return "cannot write " + where + ": " + std::strerror(error);
}

std::optional<std::string> writeAll(std::FILE* out, std::string_view text, const std::string& where) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
    if (written && !std::ferror(out)) return std::nullopt;
    return cannotWrite(where, errno != 0 ? errno : EIO);
}

// 0 or the errno.
int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The target, unless no write could go there: a folder, or a file its owner
// has made read-only (a rename could replace it, a plain write could not).
BasicOutcome<FileTarget, int> writableTarget(const std::string& path) {
    auto target = fileTarget(path);
    if (!target) return target;
    if (target->kind == FileTarget::Kind::Directory) return Refused{EISDIR};
    if (target->kind != FileTarget::Kind::Missing && faccessat(AT_FDCWD, target->path.c_str(), W_OK, AT_EACCESS) != 0)
        return Refused{errno};
    return target;
}

// A device, a FIFO or a terminal: never renamed over, and never created.
// (O_TRUNC serves a file reached only through a link of /proc's own.)
int writeInPlace(const FileTarget& target, std::string_view text) {
    const int fd = open(target.path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = writeAll(fd, text);
    if (close(fd) != 0 && error == 0) error = errno;
    return error;
}

// The replaced file's owner (where we may set it) and permission bits.
int keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (fstat(fd, &now) != 0) return errno;
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        [[maybe_unused]] const int given = fchown(fd, old.st_uid, old.st_gid);  // only root may give a file away
    }
    return fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

int replaceWhole(const FileTarget& target, std::string_view text) {
    auto file = TemporaryFile::beside(target);
    if (!file) return file.error();
    int error = target.kind == FileTarget::Kind::Regular ? keepOwnerAndMode(file->descriptor(), target.status) : 0;
    if (error == 0) error = writeAll(file->descriptor(), text);
    return error != 0 ? error : file->replace(target);
}

}  // namespace

std::optional<std::string> writeStandardOutput(std::string_view text) {
    return writeAll(stdout, text, "to standard output");
}

std::optional<std::string> writeFile(const std::string& path, std::string_view text) {
    const auto target = writableTarget(path);
    if (!target) return cannotWrite(shownFileName(path), target.error());
    const int error =
        target->kind == FileTarget::Kind::Other ? writeInPlace(*target, text) : replaceWhole(*target, text);
    return error == 0 ? std::nullopt : std::optional(cannotWrite(shownFileName(path), error));
}

std::optional<std::string> checkWritable(const std::string& path) {
    const auto target = writableTarget(path);
    if (!target) return cannotWrite(shownFileName(path), target.error());
    if (target->kind == FileTarget::Kind::Other) return std::nullopt;  // opening a FIFO would wait for its reader
    const auto probe = TemporaryFile::beside(*target);
    return probe ? std::nullopt : std::optional(cannotWrite(shownFileName(path), probe.error()));
}

}  // namespace loopbeam
