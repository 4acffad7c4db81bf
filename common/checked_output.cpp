#include "common/checked_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace loopbeam {
namespace {

std::optional<std::string> writeAll(std::FILE* out, std::string_view text, const std::string& where) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
    if (written && !std::ferror(out)) return std::nullopt;
    return "cannot write " + where + ": " + std::strerror(errno != 0 ? errno : EIO);
}

}  // namespace

std::optional<std::string> writeStandardOutput(std::string_view text) {
    return writeAll(stdout, text, "to standard output");
}

std::optional<std::string> writeFile(const std::string& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return "cannot write " + path + ": " + std::strerror(errno);
    auto problem = writeAll(file, text, path);
    if (std::fclose(file) != 0 && !problem) problem = "cannot write " + path + ": " + std::strerror(errno);
    return problem;
}

}  // namespace loopbeam
