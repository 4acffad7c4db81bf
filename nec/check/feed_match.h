#pragma once
// The feed impedance as a 50-ohm transmitter sees it: directly, or through the
// quarter-wave 75-ohm matching section the program sizes.

#include <complex>

namespace loopbeam::nec {

inline constexpr double kSystemOhms = 50;
inline constexpr double kSectionOhms = 75;

// A lossless 75-ohm line of fixed length, a quarter wave at lockedMHz: at f
// its electrical length is 90 degrees x f / lockedMHz, so 75^2 / Z holds only
// at the locked frequency.
std::complex<double> throughMatchingSection(std::complex<double> load, double mhz, double lockedMHz);

// Against the 50-ohm system.
std::complex<double> reflection(std::complex<double> impedance);

// Infinite when nothing is delivered (|reflection| >= 1).
double swr(std::complex<double> impedance);

}  // namespace loopbeam::nec
