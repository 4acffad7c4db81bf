#pragma once
// A fresh folder for one test, removed with all in it afterwards.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace loopbeam {

struct ScratchFolder {
    std::string path = ::testing::TempDir() + "loopbeam-XXXXXX";
    ScratchFolder() { EXPECT_TRUE(mkdtemp(path.data())) << path; }
    ~ScratchFolder() {
        std::error_code ignored;  // a test that fails midway may leave a mount behind
        std::filesystem::remove_all(path, ignored);
    }

    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::set<std::string> names() const {  // hidden ones too
        std::set<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(path)) out.insert(entry.path().filename());
        return out;
    }
};

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void putFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

}  // namespace loopbeam
