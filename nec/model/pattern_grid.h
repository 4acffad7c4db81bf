#pragma once
// The directions each frequency's RP card asks for. Forward is +x (phi 0),
// straight behind phi 180; theta 90 is the horizon.

#include <optional>
#include <vector>

namespace loopbeam::nec {

inline constexpr double kAzimuthStepDegrees = 5;
inline constexpr double kElevationStepDegrees = 1;
// The rear half (azimuth 90 to 270) where front-to-rear is read.
inline constexpr double kRearStepDegrees = 2;
// Over ground the lobe of a high boom is a few degrees wide: its peak is
// read again at this step, in a window around it.
inline constexpr double kFineElevationStepDegrees = 0.1;

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

// Elevations in degrees, 0 the horizon, on the fine step.
struct ElevationWindow {
    double fromDegrees = 0, toDegrees = 0;
};

// The window, its ends on the fine step and within 0 to 90 degrees.
ElevationWindow windowAround(double elevationDegrees, double halfWidthDegrees);

// Forward and back over the window at the fine step: a second RP card over ground.
PatternGrid fineCut(const ElevationWindow& window);

struct FrequencyRequest {
    FrequencyRequest(double mhz = 0, bool wholeAzimuth = false, bool rearHalf = false)
        : mhz(mhz), wholeAzimuth(wholeAzimuth), rearHalf(rearHalf) {}
    double mhz = 0;
    bool wholeAzimuth = false;              // the locked frequency
    bool rearHalf = false;                  // the locked frequency and the band's: front-to-rear is read there
    std::optional<ElevationWindow> refine;  // over ground: where the lobe is read at the fine step
};

// The rear half at every elevation of the grid, for front-to-rear at the
// elevation of the figures, which is known only once solved.
PatternGrid rearHalfGrid(bool overGround);

// Every RP card a request asks for, in order: patternCuts, then the rear half where asked.
std::vector<PatternGrid> requestedCuts(bool overGround, const FrequencyRequest& request);

}  // namespace loopbeam::nec
