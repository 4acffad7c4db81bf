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
// problem, if any ("cannot write PATH: REASON"). A regular file (a symbolic
// link's target for a link) is replaced by a synced file written beside it,
// with the old file's permission bits; on any failure the old file stays as
// it was and nothing is left beside it. A device or FIFO is written in place.
std::optional<std::string> writeFile(const std::string& path, std::string_view text);

// Whether writeFile could write there, found by creating and removing a file
// beside it without touching the file itself; the problem, if any.
std::optional<std::string> checkWritable(const std::string& path);

}  // namespace loopbeam
