#pragma once
// What the patterns at the locked frequency show a builder: the vertical
// plane through the boom, and how wide the main lobe is.

#include <optional>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/engine/nec2c_output.h"

namespace loopbeam::nec {

// The directions of a cut that lie in the vertical plane through the boom
// (phi 0 and 180), by ascending elevation.
std::vector<ElevationPoint> elevationPlane(const std::vector<Direction>& cut);

// The cut with the directions of the fine window in place of its own there.
std::vector<Direction> withFineWindow(const std::vector<Direction>& cut, const std::vector<Direction>& fine);

// Where a lobe stays within 3 dB of its peak, in the pattern's degrees; on
// the azimuth circle `from` may be negative (-34 is 326).
struct HalfPowerLobe {
    double fromDegrees = 0, toDegrees = 0;
    double width() const { return toDegrees - fromDegrees; }
};

// The lobe that holds the forward direction (azimuth 0), round the circle.
std::optional<HalfPowerLobe> forwardLobe(const std::vector<PatternPoint>& azimuth);

// The lobe that holds the given elevation (the take-off angle).
std::optional<HalfPowerLobe> lobeAt(const std::vector<ElevationPoint>& elevation, double elevationDegrees);

}  // namespace loopbeam::nec
