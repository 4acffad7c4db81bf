#pragma once
// Designs as the program calculates them (loopbeam-cli, STANDARD HIGH GAIN).

#include <vector>

#include "nec/model/quad_design.h"

namespace loopbeam::nec {

inline QuadDesign quad14MHz() {
    return {14.2, 3, 0.064, 67.65224, 70.77465, 73.89706, 11.42892, 13.9969, 14.4030, {"14.2 MHz, 3 elements, AWG 14"}};
}

inline QuadDesign sixElements14MHz() {
    return {14.2, 6, 0.064, 69.94200, 70.77465, 73.48074, 11.42892, 13.9969, 14.4030, {"14.2 MHz, 6 elements, AWG 14"}};
}

// The same at 50 elements: minutes of work for nec2c.
inline QuadDesign quadOfMinutes() {
    QuadDesign large = quad14MHz();
    large.elements = 50;
    return large;
}

inline std::vector<QuadDesign> sampleDesigns() {
    return {quad14MHz(),
            {7.1, 5, 0.081, 136.5534, 141.5493, 150.2921, 22.85785, 6.99847, 7.20153, {"7.1 MHz, 5 elements"}},
            {144.2, 6, 0.081, 6.956026, 7.038835, 7.307967, 1.125456, 142.137, 146.262, {"144.2 MHz, 6 elements"}},
            {28.5, 4, 0.064, 34.95201, 35.26316, 36.61145, 5.69441, 28.0924, 28.9075, {"28.5 MHz, 4 elements"}}};
}

}  // namespace loopbeam::nec
