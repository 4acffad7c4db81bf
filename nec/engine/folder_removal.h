#pragma once
// A private folder removed through descriptors: what is in it is unlinked
// relative to the folder held open, never through a link, and its name is
// removed only while it still names that same folder.

#include <string>
#include <vector>

namespace loopbeam::nec {

// The names in folder (a descriptor), "." and ".." aside.
std::vector<std::string> namesIn(int folder);

// Empties folder (a descriptor), then removes name in base if it is still folder.
void removeFolder(int base, const std::string& name, int folder);

}  // namespace loopbeam::nec
