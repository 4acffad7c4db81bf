#include "nec/engine/folder_removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "nec/engine/owned_fd.h"

namespace loopbeam::nec {
namespace {

// nec2c writes plain files; deeper folders are no one's.
constexpr int kMostDepth = 8;

// The names are read whole first: a listing being unlinked may skip entries.
void empty(int folder, int depth) {
    for (const std::string& name : namesIn(folder)) {
        if (unlinkat(folder, name.c_str(), 0) == 0 || depth >= kMostDepth) continue;
        const OwnedFd inner(openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!inner) continue;
        empty(inner.get(), depth + 1);
        unlinkat(folder, name.c_str(), AT_REMOVEDIR);
    }
}

}  // namespace

std::vector<std::string> namesIn(int folder) {
    std::vector<std::string> names;
    const int listed = fcntl(folder, F_DUPFD_CLOEXEC, 0);  // closedir closes it
    if (listed < 0) return names;
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(fdopendir(listed), closedir);
    if (!listing) {
        close(listed);
        return names;
    }
    while (const dirent* entry = readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    return names;
}

void removeFolder(int base, const std::string& name, int folder) {
    empty(folder, 0);
    struct stat held {
    }, named{};
    if (fstat(folder, &held) != 0 || fstatat(base, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) return;
    if (held.st_dev == named.st_dev && held.st_ino == named.st_ino) unlinkat(base, name.c_str(), AT_REMOVEDIR);
}

}  // namespace loopbeam::nec
