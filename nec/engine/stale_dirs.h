#pragma once
// Private folders left by runs that no longer exist (SIGKILL, power loss).

namespace loopbeam::nec {

// Removes the private folders in base (a descriptor) that are this user's and
// whose lock this process can take; a folder in use holds its lock, one
// without a lock file is still being made (or not loopbeam's), and either is
// left alone, as is a link.
void removeStaleDirs(int base);

// The same, the first time this process meets the folder only: folders
// planted there by another user cost one sweep, not one every engine run.
void removeStaleDirsOnce(int base);

}  // namespace loopbeam::nec
