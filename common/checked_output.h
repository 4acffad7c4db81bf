#pragma once
// Output that reports its failure: a full disk, a closed pipe or an
// unwritable file is an error, never a silent success.

#include <optional>
#include <string>
#include <string_view>

namespace loopbeam {

// Writes the text to standard output and flushes it; the problem, if any.
std::optional<std::string> writeStandardOutput(std::string_view text);

// Writes the text to a new or replaced file; the problem, if any
// ("cannot write PATH: REASON").
std::optional<std::string> writeFile(const std::string& path, std::string_view text);

}  // namespace loopbeam
