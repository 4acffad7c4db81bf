#include "common/temporary_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace loopbeam {
namespace {

constexpr std::size_t kNameKept = 200;  // of the target's name, to stay under NAME_MAX
constexpr int kTries = 100;

std::string candidateName(const FileTarget& target, std::random_device& source) {
    char tag[16];
    std::snprintf(tag, sizeof tag, ".%08x", static_cast<unsigned>(source()));
    return target.folder + "/." + target.name.substr(0, kNameKept) + tag + ".part";
}

}  // namespace

BasicOutcome<TemporaryFile, int> TemporaryFile::beside(const FileTarget& target) {
    std::random_device source;
    for (int tries = 0; tries < kTries; ++tries) {
        std::string path = candidateName(target, source);
        // The kernel applies the umask (or the folder's default ACL) to 0666, as it would for the target itself.
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) return TemporaryFile(fd, std::move(path));
        if (errno != EEXIST) return Refused{errno};
    }
    return Refused{EEXIST};
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
    other.path_.clear();
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (!path_.empty()) unlink(path_.c_str());
}

int TemporaryFile::replace(const FileTarget& target) {
    int error = fsync(fd_) == 0 ? 0 : errno;
    if (close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
    if (error == 0 && rename(path_.c_str(), target.path.c_str()) != 0) error = errno;
    if (error != 0) return error;
    path_.clear();
    // The rename itself reaches the disk with the folder; some file systems cannot sync a folder, and the file is
    // in place by now either way.
    if (const int folder = open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return 0;
}

}  // namespace loopbeam
