#pragma once
// Reading files another program writes, never more than a stated cap.

#include <cstddef>
#include <optional>
#include <string>

namespace loopbeam::nec {

// The file's first limit + 1 bytes at most: more than limit means it is
// beyond the cap. Nothing when it cannot be opened.
std::optional<std::string> readUpTo(const std::string& path, std::size_t limit);

// Its size now; 0 when it does not exist.
std::size_t fileSize(const std::string& path);

}  // namespace loopbeam::nec
