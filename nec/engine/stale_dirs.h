#pragma once
// Private folders left by runs that no longer exist (SIGKILL, power loss).

#include <string>

namespace loopbeam::nec {

// Removes the private folders under base that are this user's and whose lock
// this process can take; a folder in use holds its lock, one without a lock
// file is still being made (or not loopbeam's), and either is left alone.
void removeStaleDirs(const std::string& base);

}  // namespace loopbeam::nec
