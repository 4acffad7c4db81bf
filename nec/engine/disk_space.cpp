#include "nec/engine/disk_space.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <limits>

namespace loopbeam::nec {

std::uint64_t freeBytes(int folder) {
    struct statvfs fs {};
    if (fstatvfs(folder, &fs) != 0) return std::numeric_limits<std::uint64_t>::max();
    const bool root = geteuid() == 0;  // root may also fill the reserved blocks
    const auto inodes = root ? fs.f_ffree : fs.f_favail;
    if (fs.f_files != 0 && inodes == 0) return 0;
    return static_cast<std::uint64_t>(root ? fs.f_bfree : fs.f_bavail) * fs.f_frsize;
}

std::string noSpaceMessage(const std::string& base) {
    return "The NEC-2 check ran out of disk: no space left in TMPDIR=" + base +
           " for nec2c's files. Free some space there, or set TMPDIR to a folder with room, and check again.";
}

}  // namespace loopbeam::nec
