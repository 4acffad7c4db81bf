#pragma once
// Where execvp would find a program, found before fork: the child may then
// call execve alone, which is async-signal-safe where a PATH search is not.

#include <string>

namespace loopbeam::nec {

// A name with a slash is taken as it is; otherwise the first executable
// regular file of that name in a folder of PATH. The path, or the errno
// (ENOENT, or EACCES when one was found but may not be run).
struct FoundProgram {
    std::string path;
    int error = 0;
};
FoundProgram findProgram(const std::string& name);

}  // namespace loopbeam::nec
