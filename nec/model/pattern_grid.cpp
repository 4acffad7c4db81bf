#include "nec/model/pattern_grid.h"

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
