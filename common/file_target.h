#pragma once
// Where a write to a path lands: the path's symbolic links followed to the
// file they end at (which may not exist yet), and what kind of file that is.
// A file the kernel reaches by a link that names no file (/dev/stdout on a
// pipe) is of kind Other, under the path as given.

#include <sys/stat.h>

#include <string>

#include "common/outcome.h"

namespace loopbeam {

struct FileTarget {
    enum class Kind { Missing, Regular, Directory, Other };
    std::string path;    // its last part is no link
    std::string folder;  // the folder path's name is in ("." for a bare name)
    std::string name;
    Kind kind = Kind::Missing;
    struct stat status {};  // where it exists
};

// The target of a path, or the errno that keeps it from being found (a loop of links).
BasicOutcome<FileTarget, int> fileTarget(const std::string& path);

// Whether two targets are one file: the same device and inode where they
// exist, otherwise the same name in the same folder.
bool sameFile(const FileTarget& a, const FileTarget& b);

}  // namespace loopbeam
