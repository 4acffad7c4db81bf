#include "nec/check/reference_dipole.h"

#include <algorithm>
#include <cmath>

#include "nec/engine/forward_look.h"
#include "nec/engine/model_job.h"
#include "nec/model/segment_rule.h"

namespace loopbeam::nec {
namespace {

constexpr int kMostSegments = 21;

}  // namespace

NecModel dipoleModel(const NecModel& model) {
    const double locked = model.sweep.locked();
    const double half = kSpeedOfLightMetresMHz / locked / 4;
    const int fit = static_cast<int>(2 * half / (kMinSegmentRadii * model.wireRadiusMetres));
    const int segments = std::max(1, std::min(kMostSegments, fit % 2 ? fit : fit - 1));
    NecModel dipole;
    dipole.wireRadiusMetres = model.wireRadiusMetres;
    dipole.boomHeightMetres = model.boomHeightMetres;
    dipole.soil = model.soil;
    dipole.conductor = model.conductor;
    const double z = model.boomHeightMetres.value_or(0);
    // Across the boom (along y): its broadside lies forward, phi 0, where the quad's gain is read.
    dipole.loops.push_back(Loop{2 * half, {Wire{{0, -half, z}, {0, half, z}, segments, 1}}});
    const int centre = segments / 2 + 1;
    dipole.feed = {1, centre, centre};
    dipole.sweep.mhz = {locked};
    dipole.comments = {"Half-wave dipole: the gain a quad must beat in the same setting"};
    return dipole;
}

Outcome<double> dipoleGainDbi(const NecModel& model, const RunControl& control) {
    if (!model.boomHeightMetres) return kFreeSpaceDipoleDbi;
    const NecModel dipole = dipoleModel(model);
    RunControl quiet = control;
    quiet.progress = nullptr;  // one small solve: the check's bar does not count it
    auto solved = solveModels({{&dipole, {FrequencyRequest{dipole.sweep.locked(), false}}}}, quiet);
    if (!solved) return Refused{solved.error()};
    return forwardLook(solved->front().front()).forward;
}

}  // namespace loopbeam::nec
