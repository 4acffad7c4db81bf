#pragma once
// The feed impedance as a 50-ohm transmitter sees it: directly, or through a
// quarter-wave section (the program sizes one of 75 ohms).

#include <complex>

namespace loopbeam::nec {

// 50-ohm coax fed directly, or a quarter-wave section of one 75-ohm cable or of two in parallel.
enum class FeedKind { Direct, QuarterWave75, QuarterWave37_5 };

inline constexpr double kSystemOhms = 50;
inline constexpr double kSectionOhms = 75;

// A lossless line of lineOhms and fixed length, a quarter wave at lockedMHz:
// at f its electrical length is 90 degrees x f / lockedMHz, so lineOhms^2 / Z
// holds only at the locked frequency.
std::complex<double> throughQuarterWave(std::complex<double> load, double mhz, double lockedMHz, double lineOhms);

// The program's 75-ohm section.
inline std::complex<double> throughMatchingSection(std::complex<double> load, double mhz, double lockedMHz) {
    return throughQuarterWave(load, mhz, lockedMHz, kSectionOhms);
}

// Against the 50-ohm system.
std::complex<double> reflection(std::complex<double> impedance);

// Infinite when nothing is delivered (|reflection| >= 1).
double swr(std::complex<double> impedance);

}  // namespace loopbeam::nec
