#pragma once
// Figures read straight off nec2c's printout of a deck written by hand, by
// the tests' own reading rather than the program's.

#include <sstream>
#include <string>
#include <vector>

namespace loopbeam::nec {

struct Figures {
    double r, x, gain;
};

// The line under the input parameters' headings, and the one pattern line
// forward at the horizon, a frequency each.
inline std::vector<Figures> referenceFigures(const std::string& output) {
    std::vector<Figures> figures;
    std::istringstream in(output);
    std::string line, word;
    while (std::getline(in, line)) {
        if (line.find("ANTENNA INPUT PARAMETERS") != std::string::npos) {
            for (int i = 0; i < 3; ++i) std::getline(in, line);
            std::istringstream row(line);
            Figures f{};
            for (int i = 0; i < 6; ++i) row >> word;
            row >> f.r >> f.x;
            figures.push_back(f);
        }
        if (line.rfind("   90.00      0.00", 0) == 0) {
            std::istringstream row(line);
            for (int i = 0; i < 4; ++i) row >> word;
            row >> figures.back().gain;
        }
    }
    return figures;
}

}  // namespace loopbeam::nec
