#include "nec/engine/capped_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "nec/engine/owned_fd.h"

namespace loopbeam::nec {

std::optional<std::string> readUpTo(int folder, const std::string& name, std::size_t limit) {
    const OwnedFd file(openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!file) return std::nullopt;
    std::string text;
    char buffer[1 << 16];
    while (text.size() <= limit) {
        const ssize_t n = read(file.get(), buffer, std::min(sizeof buffer, limit + 1 - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

std::size_t fileSize(int folder, const std::string& name) {
    struct stat file {};
    return fstatat(folder, name.c_str(), &file, AT_SYMLINK_NOFOLLOW) == 0 ? static_cast<std::size_t>(file.st_size) : 0;
}

}  // namespace loopbeam::nec
