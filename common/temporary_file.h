#pragma once
// A file of our own beside a target, in the target's folder so that one
// rename puts it in place; removed again unless it took the target's place.

#include <string>

#include "common/file_target.h"
#include "common/outcome.h"

namespace loopbeam {

class TemporaryFile {
public:
    // A new hidden file beside the target, open for writing, with the
    // permission bits a plain open gives a new file (0666 less the umask);
    // or the errno.
    static BasicOutcome<TemporaryFile, int> beside(const FileTarget& target);

    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&&) = delete;
    ~TemporaryFile();

    int descriptor() const { return fd_; }

    // Syncs and closes the file and renames it over the target; 0 or the errno.
    int replace(const FileTarget& target);

private:
    TemporaryFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

    int fd_ = -1;
    std::string path_;  // empty once it is the target
};

}  // namespace loopbeam
