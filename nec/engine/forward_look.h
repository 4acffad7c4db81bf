#pragma once
// Where the check and the engine output's bounds read gain, front-to-back and front-to-rear from a
// frequency's pattern: at the elevation of maximum forward gain (the horizon
// in free space), forward (azimuth 0, along the boom, whichever way the beam
// fires), straight behind, and the strongest direction of the rear half
// (azimuth 90 to 270).

#include <cmath>
#include <vector>

#include "nec/engine/nec2c_output.h"

namespace loopbeam::nec {

struct ForwardLook {
    double theta = 90;
    double forward = -999, back = -999;  // dBi
    double rear = NAN;                   // dBi, the rear half's strongest; NaN where it was not asked

    // To 0.01 dB, as nec2c prints the gains; F/R is never above F/B, straight
    // behind being part of the rear half.
    double frontToBackDb() const;
    double frontToRearDb() const;
};

ForwardLook forwardLook(const std::vector<Direction>& pattern);
// From a frequency's grid and, over ground, its refined window (the higher
// forward gain of the two), with the rear half of the output's own cut where
// it was asked.
ForwardLook forwardLook(const FrequencyOutput& output);

}  // namespace loopbeam::nec
