#include "common/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "common/file_target.h"
#include "common/shown_name.h"
#include "common/temporary_file.h"

namespace loopbeam {
namespace {

using namespace std::chrono_literals;

constexpr auto kReaderLook = 20ms;  // between two tries of a FIFO's writing end

std::string cannotWrite(const std::string& where, const std::string& reason) {
    return "cannot write " + shownFileName(where) + ": " + reason;
}

std::string cannotWrite(const std::string& where, int error) { return cannotWrite(where, std::strerror(error)); }

bool inPlace(const FileTarget& target) { return target.kind == FileTarget::Kind::Other; }

std::string notARegularFile(const FileTarget& target) {
    const mode_t mode = target.status.st_mode;
    const char* kind = S_ISFIFO(mode) ? "a FIFO or pipe" : S_ISSOCK(mode) ? "a socket" : "a device";
    return std::string("it is ") + kind + ", not a regular file; choose a file to save to";
}

// 0 or the errno.
int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
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
// (O_TRUNC serves a file reached only through a link of /proc's own.) The
// writing end of a FIFO opens only once a reader has the other: it is tried
// again until kReaderWait has passed, never waited on without limit.
BasicOutcome<int, std::string> openInPlace(const FileTarget& target, const std::string& path) {
    const auto end = std::chrono::steady_clock::now() + OutputFile::kReaderWait;
    int fd;
    while ((fd = ::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_TRUNC | O_NOCTTY | O_CLOEXEC)) < 0) {
        if (errno == EINTR) continue;
        if (errno != ENXIO || !S_ISFIFO(target.status.st_mode)) return Refused{cannotWrite(path, errno)};
        if (std::chrono::steady_clock::now() >= end)
            return Refused{cannotWrite(path, "no program is reading the FIFO (waited " +
                                                 std::to_string(OutputFile::kReaderWait.count()) +
                                                 " seconds); start the reader first")};
        std::this_thread::sleep_for(kReaderLook);
    }
    // Once open, a write waits for a slow reader as it would after a plain open.
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        close(fd);
        return Refused{cannotWrite(path, error)};
    }
    return fd;
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

// 0 or the errno.
int replaceWhole(const FileTarget& target, std::string_view text) {
    auto file = TemporaryFile::beside(target);
    if (!file) return file.error();
    int error = target.kind == FileTarget::Kind::Regular ? keepOwnerAndMode(file->descriptor(), target.status) : 0;
    if (error == 0) error = writeAll(file->descriptor(), text);
    return error != 0 ? error : file->replace(target);
}

}  // namespace

BasicOutcome<OutputFile, std::string> OutputFile::open(const std::string& path, Takes takes) {
    const auto target = writableTarget(path);
    if (!target) return Refused{cannotWrite(path, target.error())};
    if (inPlace(*target)) {
        if (takes == Takes::RegularFilesOnly) return Refused{cannotWrite(path, notARegularFile(*target))};
        auto fd = openInPlace(*target, path);
        if (!fd) return Refused{fd.error()};
        return OutputFile(path, *fd);
    }
    if (const auto probe = TemporaryFile::beside(*target); !probe) return Refused{cannotWrite(path, probe.error())};
    return OutputFile(path, -1);
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(other.fd_), inPlace_(other.inPlace_) {
    other.fd_ = -1;
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) close(fd_);
}

std::optional<std::string> OutputFile::write(std::string_view text) {
    if (inPlace_) {
        if (fd_ < 0) return cannotWrite(path_, EBADF);  // written already
        int error = writeAll(fd_, text);
        if (close(fd_) != 0 && error == 0) error = errno;
        fd_ = -1;
        return error == 0 ? std::nullopt : std::optional(cannotWrite(path_, error));
    }
    // Found again: the file may have come or gone since it was opened. Only a
    // file is replaced here, so that nothing but a local write is waited on.
    const auto target = writableTarget(path_);
    if (!target) return cannotWrite(path_, target.error());
    if (inPlace(*target)) return cannotWrite(path_, notARegularFile(*target));
    const int error = replaceWhole(*target, text);
    return error == 0 ? std::nullopt : std::optional(cannotWrite(path_, error));
}

}  // namespace loopbeam
