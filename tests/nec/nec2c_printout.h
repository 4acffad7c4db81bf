#pragma once
// Figures read straight off nec2c's printout of a deck written by hand, by
// the tests' own reading rather than the program's.

#include <sstream>
#include <string>
#include <utility>
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

// The total gain by azimuth, from the first pattern's lines.
inline std::vector<std::pair<double, double>> horizon(const std::string& output) {
    std::vector<std::pair<double, double>> gains;
    std::istringstream in(output.substr(output.find("RADIATION PATTERNS")));
    std::string line;
    for (int i = 0; i < 5; ++i) std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream row(line);
        double theta = 0, phi = 0, vertical = 0, horizontal = 0, total = 0;
        if (!(row >> theta >> phi >> vertical >> horizontal >> total)) break;
        gains.push_back({phi, total});
    }
    return gains;
}

}  // namespace loopbeam::nec
