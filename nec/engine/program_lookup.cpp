#include "nec/engine/program_lookup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace loopbeam::nec {

FoundProgram findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) return {name, 0};
    if (name.empty()) return {"", ENOENT};
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "/bin:/usr/bin";  // execvp's default
    int error = ENOENT;
    for (std::size_t start = 0;;) {
        const std::size_t end = folders.find(':', start);
        const std::string folder = folders.substr(start, end == std::string::npos ? end : end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + '/' + name;
        struct stat file;
        if (stat(candidate.c_str(), &file) == 0 && S_ISREG(file.st_mode)) {
            if (access(candidate.c_str(), X_OK) == 0) return {candidate, 0};
            error = EACCES;
        }
        if (end == std::string::npos) return {"", error};
        start = end + 1;
    }
}

}  // namespace loopbeam::nec
