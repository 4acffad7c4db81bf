#pragma once
// Output that reports its failure: a full disk, a closed pipe or an
// unwritable file is an error, never a silent success.

#include <optional>
#include <string>
#include <string_view>

namespace loopbeam {

// Writes the text to standard output and flushes it; the problem, if any.
std::optional<std::string> writeStandardOutput(std::string_view text);

// Writes the text to a new or replaced file, whole or not at all; the
// problem, if any ("cannot write PATH: REASON"). A regular file is replaced
// as OutputFile::write replaces it; a device or FIFO is written in place, a
// FIFO once a program reads it (see OutputFile::open).
std::optional<std::string> writeFile(const std::string& path, std::string_view text);

// As writeFile, for a new or regular file only: a device, FIFO or socket is
// refused without being opened, as a window must never wait on its reader.
std::optional<std::string> replaceFile(const std::string& path, std::string_view text);

}  // namespace loopbeam
