#include "nec/private_dir.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace loopbeam::nec {

PrivateDir::~PrivateDir() {
    if (path_.empty()) return;
    std::error_code ignored;  // nothing useful to do about it in a destructor
    std::filesystem::remove_all(path_, ignored);
}

Outcome<PrivateDir> makePrivateDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/loopbeam-nec-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
        return refuse("Could not make a temporary directory for nec2c in " + pattern.substr(0, pattern.rfind('/')) +
                      ": " + std::strerror(errno) + ".");
    return PrivateDir(name.data());
}

}  // namespace loopbeam::nec
