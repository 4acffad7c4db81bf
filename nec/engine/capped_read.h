#pragma once
// Reading files another program writes in a folder held open, never more
// than a stated cap, never through a link.

#include <cstddef>
#include <optional>
#include <string>

namespace loopbeam::nec {

// The file's first limit + 1 bytes at most: more than limit means it is
// beyond the cap. Nothing when it cannot be opened.
std::optional<std::string> readUpTo(int folder, const std::string& name, std::size_t limit);

// Its size now; 0 when it does not exist.
std::size_t fileSize(int folder, const std::string& name);

}  // namespace loopbeam::nec
