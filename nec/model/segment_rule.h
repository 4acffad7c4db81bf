#pragma once
// How finely each straight side of a loop is cut into segments, within the
// NEC-2 manual's limits for the thin-wire kernel.

#include "nec/outcome.h"

namespace loopbeam::nec {

// The manual's limits: at most 0.1 wavelength, at least 8 wire radii.
inline constexpr double kMaxSegmentWavelengths = 0.1;
inline constexpr double kMinSegmentRadii = 8;
// A side needing more is no loop of a quad at this frequency.
inline constexpr int kMaxSegmentsPerSide = 45;

inline constexpr double kSpeedOfLightMetresMHz = 299.792458;  // metres x MHz
inline double wavelengthMetres(double mhz) { return kSpeedOfLightMetresMHz / mhz; }

// The smallest odd count whose segments are at most 1/perWavelength wavelength at topMHz;
// fewer, still odd, when the wire is so thick that those would be shorter than
// 8 radii. Refuses when no odd count meets both limits.
Outcome<int> segmentsPerSide(double sideMetres, double wireRadiusMetres, double topMHz, double perWavelength);

}  // namespace loopbeam::nec
