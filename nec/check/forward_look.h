#pragma once
// Where the check reads gain and front-to-back from a frequency's pattern: at
// the elevation of maximum forward gain (the horizon in free space), forward
// and straight behind.

#include <vector>

#include "nec/engine/nec2c_output.h"

namespace loopbeam::nec {

struct ForwardLook {
    double theta = 90;
    double forward = -999, back = -999;  // dBi
};

ForwardLook forwardLook(const std::vector<Direction>& pattern);

// From a frequency's grid and, over ground, its refined window: the higher forward gain of the two.
ForwardLook forwardLook(const FrequencyOutput& output);

}  // namespace loopbeam::nec
