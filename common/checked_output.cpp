#include "common/checked_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/output_file.h"

namespace loopbeam {
namespace {

std::optional<std::string> writeTo(const std::string& path, std::string_view text, OutputFile::Takes takes) {
    auto file = OutputFile::open(path, takes);
    return file ? file->write(text) : std::optional(file.error());
}

}  // namespace

std::optional<std::string> writeStandardOutput(std::string_view text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (written && !std::ferror(stdout)) return std::nullopt;
    return std::string("cannot write to standard output: ") + std::strerror(errno != 0 ? errno : EIO);
}

std::optional<std::string> writeFile(const std::string& path, std::string_view text) {
    return writeTo(path, text, OutputFile::Takes::AnyFile);
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view text) {
    return writeTo(path, text, OutputFile::Takes::RegularFilesOnly);
}

}  // namespace loopbeam
