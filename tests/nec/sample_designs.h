#pragma once
// Designs as the program calculates them (loopbeam-cli, STANDARD HIGH GAIN).

#include <algorithm>
#include <vector>

#include "nec/model/quad_design.h"

namespace loopbeam::nec {

inline QuadDesign quad14MHz() {
    return {14.2,    0.064,   evenLayout(3, 73.89706, 70.77465, 67.65224, 11.42892),
            13.9969, 14.4030, {"14.2 MHz, 3 elements, AWG 14"}};
}

inline QuadDesign sixElements14MHz() {
    return {14.2,    0.064,   evenLayout(6, 73.48074, 70.77465, 69.94200, 11.42892),
            13.9969, 14.4030, {"14.2 MHz, 6 elements, AWG 14"}};
}

// The design with this many elements, every added director and gap as the last.
inline QuadDesign withElements(QuadDesign design, int elements) {
    BoomLayout& feet = design.feet;
    feet.perimeters.resize(static_cast<std::size_t>(elements), feet.perimeters.back());
    feet.spacings.resize(static_cast<std::size_t>(std::max(elements - 1, 0)), feet.spacings.back());
    return design;
}

// The same at 50 elements: minutes of work for nec2c.
inline QuadDesign quadOfMinutes() { return withElements(quad14MHz(), 50); }

inline std::vector<QuadDesign> sampleDesigns() {
    return {
        quad14MHz(),
        {7.1, 0.081, evenLayout(5, 150.2921, 141.5493, 136.5534, 22.85785), 6.99847, 7.20153, {"7.1 MHz, 5 elements"}},
        {144.2,
         0.081,
         evenLayout(6, 7.307967, 7.038835, 6.956026, 1.125456),
         142.137,
         146.262,
         {"144.2 MHz, 6 elements"}},
        {28.5,
         0.064,
         evenLayout(4, 36.61145, 35.26316, 34.95201, 5.69441),
         28.0924,
         28.9075,
         {"28.5 MHz, 4 elements"}}};
}

}  // namespace loopbeam::nec
