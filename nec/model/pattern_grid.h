#pragma once
// The directions each frequency's RP card asks for. Forward is +x (phi 0),
// straight behind phi 180; theta 90 is the horizon.

#include <vector>

namespace loopbeam::nec {

inline constexpr double kAzimuthStepDegrees = 5;
inline constexpr double kElevationStepDegrees = 1;
// The rear half (azimuth 90 to 270) where front-to-rear is read.
inline constexpr double kRearStepDegrees = 2;

struct PatternGrid {
    int thetaCount = 1;
    double thetaStart = 90, thetaStep = 0;
    int phiCount = 2;
    double phiStart = 0, phiStep = 180;
};

// Free space: the horizon. Over ground, whose horizon gain is zero: every
// elevation in 1-degree steps, to find the one of maximum forward gain. The
// locked frequency adds the whole azimuth circle; the others only forward and
// back.
PatternGrid patternGrid(bool overGround, bool wholeAzimuth);

// The cuts a frequency's RP cards ask for, one a card, in order: the grid
// above, and at the locked frequency in free space also the vertical plane
// through the boom, every degree round (over ground the grid holds that plane
// already: phi 0 and 180 at every elevation).
std::vector<PatternGrid> patternCuts(bool overGround, bool wholeAzimuth);

struct FrequencyRequest {
    double mhz = 0;
    bool wholeAzimuth = false;  // the locked frequency
    bool rearHalf = false;      // the locked frequency and the band's: front-to-rear is read there
};

// The rear half at every elevation of the grid, for front-to-rear at the
// elevation of the figures, which is known only once solved.
PatternGrid rearHalfGrid(bool overGround);

// Every RP card a request asks for, in order: patternCuts, then the rear half where asked.
std::vector<PatternGrid> requestedCuts(bool overGround, const FrequencyRequest& request);

}  // namespace loopbeam::nec
