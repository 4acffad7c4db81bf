#pragma once
// Cards of decks written by hand, by the tests' own geometry rather than the program's.

#include <string>

#include "nec/printf_text.h"

namespace loopbeam::nec {

// A square loop's four wires around (x, 0, 0): bottom, right, top, left.
inline std::string squareLoopCards(int& tag, double perimeter, int segments, double x, double radius) {
    const double h = perimeter / 8;
    const double corners[5][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}, {-h, -h}};
    std::string cards;
    for (int side = 0; side < 4; ++side)
        cards += printfText("GW %d %d %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", ++tag, segments, x, corners[side][0],
                            corners[side][1], x, corners[side + 1][0], corners[side + 1][1], radius);
    return cards;
}

}  // namespace loopbeam::nec
