#pragma once
// The gain a half-wave dipole gives in the model's setting, the yardstick a
// quad must beat: 2.15 dBi in free space; over ground, a horizontal dipole
// broadside to the boom's direction at the boom's height over the same soil,
// solved by nec2c at the locked frequency.

#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr double kFreeSpaceDipoleDbi = 2.15;

// Free space needs no solve; over ground it takes one.
Outcome<double> dipoleGainDbi(const NecModel& model, const RunControl& control);

// The dipole itself, for a deck written by hand to compare with.
NecModel dipoleModel(const NecModel& model);

}  // namespace loopbeam::nec
