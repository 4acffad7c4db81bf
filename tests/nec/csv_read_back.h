#pragma once
// A cut list's CSV as a spreadsheet reads it (Python's csv module, through
// read_cut_csv.py): a line a row, its element and each length by name.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../scratch_folder.h"

namespace loopbeam::nec {

inline std::string readBack(const std::string& csv) {
    const ScratchFolder folder;
    putFile(folder / "cut.csv", csv);
    const std::string command = "python3 " NEC_TEST_SCRIPTS "/read_cut_csv.py < " + (folder / "cut.csv") + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    for (char buffer[4096]; const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe);) out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << out;
    return out;
}

}  // namespace loopbeam::nec
