#pragma once
// A temporary directory only this user can read (mkdtemp), removed with all it
// holds when its owner goes, whatever way the run ended.

#include <string>

#include "nec/outcome.h"

namespace loopbeam::nec {

class PrivateDir {
public:
    explicit PrivateDir(std::string path) : path_(std::move(path)) {}
    PrivateDir(PrivateDir&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
    PrivateDir& operator=(PrivateDir&&) = delete;
    ~PrivateDir();

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + '/' + name; }

private:
    std::string path_;
};

// Under $TMPDIR, or /tmp without it.
Outcome<PrivateDir> makePrivateDir();

}  // namespace loopbeam::nec
