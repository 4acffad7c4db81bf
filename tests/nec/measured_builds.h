#pragma once
// An antenna as nec2c sees it built, by decks written by hand: the
// 14.2 MHz 3-element AWG 14 quad's loops, each perhaps built longer than cut
// or covered, and what an analyser at the shack end of 10 m of RG-58 reads of
// it. The tests of the trims and of the check window's measurement share it.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <sstream>
#include <string>
#include <vector>

#include "nec/engine/engine_run.h"
#include "nec2c_printout.h"

namespace loopbeam::nec {

inline constexpr double kFoot = 0.3048, kRadius = 0.0008128, kSpacing = 3.483536;
inline constexpr int kSegments[3] = {13, 11, 11};  // a side, as the program lays quad14MHz()'s loops

// The loops as the program calculates them: reflector, driven, director.
inline std::vector<double> designedLoops() { return {73.89706 * kFoot, 70.77465 * kFoot, 67.65224 * kFoot}; }

// How the antenna was really built: each loop's wire this many times what was
// measured off, and a covering of this inductance per metre.
struct Build {
    double longer = 1;
    double henriesPerMetre = 0;
    double drivenLonger = 1;  // besides, the driven loop alone: joined differently
};

inline std::string squareLoop(int firstTag, int segments, double x, double perimeter) {
    const double h = perimeter / 8;
    const double corners[5][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}, {-h, -h}};
    std::ostringstream out;
    out.precision(10);
    for (int side = 0; side < 4; ++side)
        out << "GW " << firstTag + side << ' ' << segments << ' ' << x << ' ' << corners[side][0] << ' '
            << corners[side][1] << ' ' << x << ' ' << corners[side + 1][0] << ' ' << corners[side + 1][1] << ' '
            << kRadius << '\n';
    return out.str();
}

// The loops (reflector, driven, director, or the driven loop alone) with the
// feed at the middle of the driven loop's lower side.
inline std::string deck(const std::vector<double>& cut, const Build& build, double fromMHz, double stepMHz, int count) {
    std::ostringstream out;
    out << "CM by hand\nCE\n";
    const bool lone = cut.size() == 1;
    for (std::size_t i = 0; i < cut.size(); ++i)
        out << squareLoop(static_cast<int>(4 * i + 1), kSegments[lone ? 1 : i], kSpacing * static_cast<double>(i),
                          cut[i] * build.longer * (i == 1 ? build.drivenLonger : 1));
    out << "GE 0\nLD 5 0 0 0 5.8E7\n";
    if (build.henriesPerMetre > 0) out << "LD 2 0 0 0 0 " << build.henriesPerMetre << " 0\n";
    out << "EX 0 " << (lone ? 1 : 5) << " 6 0 1 0\nFR 0 " << count << " 0 0 " << fromMHz << ' ' << stepMHz
        << "\nXQ\nEN\n";
    return out.str();
}

inline std::vector<Figures> solved(const std::string& text, int count) {
    const auto output = runNec2c({{text, static_cast<std::size_t>(count), 120}}, {});
    if (!output) ADD_FAILURE() << output.error().message;
    return output ? referenceFigures(output->front()) : std::vector<Figures>{};
}

// What an analyser at the end of 10 m of RG-58 reads, as S11 against 50 ohms.
inline std::string throughRg58(const std::vector<Figures>& figures, double fromMHz, double stepMHz) {
    std::ostringstream s1p;
    s1p.precision(12);
    s1p << "# MHz S RI R 50\n";
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const double mhz = fromMHz + stepMHz * static_cast<double>(i);
        const std::complex<double> load{figures[i].r, figures[i].x}, j{0, 1};
        const double t = std::tan(2 * M_PI * mhz * 1e6 / (299792458.0 * 0.66) * 10);
        const std::complex<double> in = 50.0 * (load + j * 50.0 * t) / (50.0 + j * load * t);
        const std::complex<double> gamma = (in - 50.0) / (in + 50.0);
        s1p << mhz << ' ' << gamma.real() << ' ' << gamma.imag() << '\n';
    }
    return s1p.str();
}

}  // namespace loopbeam::nec
