#pragma once
// The Smith chart on the unit disc of the reflection coefficient against
// 50 ohms: where an impedance lies, and the circles of its grid. Plain
// numbers, for any drawing of the chart; x to the right, y upwards.

#include <complex>

namespace loopbeam::nec {

// The reflection coefficient: 50 ohms at the centre, a short at -1, an open
// (an infinite impedance) at +1.
std::complex<double> smithPoint(std::complex<double> impedance);

struct Circle {
    double centreX = 0, centreY = 0, radius = 0;
};

// Constant resistance r, normalised to 50 ohms: r = 1 passes through the centre.
Circle resistanceCircle(double r);

// Constant reactance x, normalised, not 0; only its arc within the disc belongs to the chart.
Circle reactanceCircle(double x);

// Constant SWR: about the centre.
Circle swrCircle(double swr);

}  // namespace loopbeam::nec
