#pragma once
// A sweep an antenna analyser measured: the impedance it saw at each frequency.

#include <complex>
#include <cstddef>
#include <vector>

namespace loopbeam::nec {

// What a file may hold before it is refused: far more than any analyser saves.
inline constexpr std::size_t kMaxMeasurementBytes = 16u << 20;
inline constexpr std::size_t kMaxMeasuredPoints = 100000;

struct MeasuredPoint {
    double mhz = 0;
    std::complex<double> impedance;  // ohms, R + jX
};

// Strictly ascending in frequency.
using MeasuredSweep = std::vector<MeasuredPoint>;

}  // namespace loopbeam::nec
