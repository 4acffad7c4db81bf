#pragma once
// Whether a file system has filled: nec2c does not say when its output could
// not be written, it only stops short.

#include <cstdint>
#include <string>

namespace loopbeam::nec {

// What this user may still write on the file system of the folder (a
// descriptor): nothing when no inode is left; as good as unlimited when it
// cannot be learned.
std::uint64_t freeBytes(int folder);

// What a run says when the file system under base filled.
std::string noSpaceMessage(const std::string& base);

}  // namespace loopbeam::nec
