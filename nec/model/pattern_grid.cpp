#include "nec/model/pattern_grid.h"

#include <algorithm>
#include <cmath>

namespace loopbeam::nec {

PatternGrid patternGrid(bool overGround, bool wholeAzimuth) {
    PatternGrid grid;
    if (overGround) {
        grid.thetaCount = static_cast<int>(90 / kElevationStepDegrees) + 1;
        grid.thetaStart = 0;
        grid.thetaStep = kElevationStepDegrees;
    }
    if (wholeAzimuth) {
        grid.phiCount = static_cast<int>(360 / kAzimuthStepDegrees);
        grid.phiStep = kAzimuthStepDegrees;
    }
    return grid;
}

ElevationWindow windowAround(double elevationDegrees, double halfWidthDegrees) {
    const auto onStep = [](double degrees, double (*round)(double)) {
        return std::clamp(round(degrees / kFineElevationStepDegrees) * kFineElevationStepDegrees, 0.0, 90.0);
    };
    return {onStep(elevationDegrees - halfWidthDegrees, std::floor),
            onStep(elevationDegrees + halfWidthDegrees, std::ceil)};
}

PatternGrid fineCut(const ElevationWindow& window) {
    PatternGrid grid;
    grid.thetaStart = 90 - window.toDegrees;
    grid.thetaStep = kFineElevationStepDegrees;
    grid.thetaCount =
        static_cast<int>(std::lround((window.toDegrees - window.fromDegrees) / kFineElevationStepDegrees)) + 1;
    return grid;  // phi 0 and 180
}

std::vector<PatternGrid> patternCuts(bool overGround, bool wholeAzimuth) {
    std::vector<PatternGrid> cuts{patternGrid(overGround, wholeAzimuth)};
    if (wholeAzimuth && !overGround) {
        PatternGrid vertical;
        vertical.thetaCount = static_cast<int>(180 / kElevationStepDegrees) + 1;
        vertical.thetaStart = 0;
        vertical.thetaStep = kElevationStepDegrees;
        cuts.push_back(vertical);
    }
    return cuts;
}

PatternGrid rearHalfGrid(bool overGround) {
    PatternGrid rear = patternGrid(overGround, false);
    rear.phiStart = 90;
    rear.phiStep = kRearStepDegrees;
    rear.phiCount = static_cast<int>(180 / kRearStepDegrees) + 1;
    return rear;
}

std::vector<PatternGrid> requestedCuts(bool overGround, const FrequencyRequest& request) {
    std::vector<PatternGrid> cuts = patternCuts(overGround, request.wholeAzimuth);
    if (request.rearHalf) cuts.push_back(rearHalfGrid(overGround));
    return cuts;
}

}  // namespace loopbeam::nec
