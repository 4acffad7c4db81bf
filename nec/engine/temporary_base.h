#pragma once
// The folder the private folders go in, opened once and checked: no other
// user may be able to rename what is made there. A folder others can write
// without the sticky bit, or owned by another user (root aside), lets them
// swap a run's folder for a link to one of their choosing.

#include <string>

#include "nec/engine/owned_fd.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// What to do about a TMPDIR another user could meddle with.
inline constexpr const char* kOwnTmpdirAdvice =
    "Point TMPDIR at a folder of your own (mkdir -m 700 ~/tmp; export TMPDIR=~/tmp) and try again.";

// $TMPDIR, or /tmp without it.
std::string temporaryBase();

// base opened as a folder, once it and every folder above it are found safe;
// else why not and what to do.
Outcome<OwnedFd> openTemporaryBase(const std::string& base);

}  // namespace loopbeam::nec
