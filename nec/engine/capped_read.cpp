#include "nec/engine/capped_read.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace loopbeam::nec {

std::optional<std::string> readUpTo(const std::string& path, std::size_t limit) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) return std::nullopt;
    std::string text;
    char buffer[1 << 16];
    while (text.size() <= limit) {
        const std::size_t n = std::fread(buffer, 1, std::min(sizeof buffer, limit + 1 - text.size()), file.get());
        if (n == 0) break;
        text.append(buffer, n);
    }
    return text;
}

std::size_t fileSize(const std::string& path) {
    struct stat file {};
    return stat(path.c_str(), &file) == 0 ? static_cast<std::size_t>(file.st_size) : 0;
}

}  // namespace loopbeam::nec
