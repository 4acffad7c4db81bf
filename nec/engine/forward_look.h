#pragma once
// Where the check and the bounds read gain and front-to-back from a frequency's pattern: at
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

}  // namespace loopbeam::nec
