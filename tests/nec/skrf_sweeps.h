#pragma once
// The files write_skrf_sweeps.py writes with scikit-rf, and the load they hold.

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../scratch_folder.h"
#include "nec/measured/measured_sweep.h"

namespace loopbeam::nec {

// Debian's scikit-rf lives beside Debian's own interpreter.
inline bool writeSkrfSweeps(const ScratchFolder& folder) {
    const std::string command =
        "/usr/bin/python3 " NEC_TEST_SCRIPTS "/write_skrf_sweeps.py " + folder.path + " 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

// The load written, from expected.txt: MHz R X a line.
inline MeasuredSweep skrfLoad(const ScratchFolder& folder) {
    MeasuredSweep points;
    std::ifstream in(folder / "expected.txt");
    double mhz = 0, r = 0, x = 0;
    while (in >> mhz >> r >> x) points.push_back({mhz, {r, x}});
    return points;
}

}  // namespace loopbeam::nec
