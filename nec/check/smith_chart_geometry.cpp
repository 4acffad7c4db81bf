#include "nec/check/smith_chart_geometry.h"

#include <cmath>

#include "nec/check/feed_match.h"

namespace loopbeam::nec {

std::complex<double> smithPoint(std::complex<double> impedance) {
    if (std::isinf(impedance.real()) || std::isinf(impedance.imag())) return 1;
    return reflection(impedance);
}

Circle resistanceCircle(double r) { return {r / (1 + r), 0, 1 / (1 + r)}; }

Circle reactanceCircle(double x) { return {1, 1 / x, 1 / std::abs(x)}; }

Circle swrCircle(double swr) { return {0, 0, (swr - 1) / (swr + 1)}; }

}  // namespace loopbeam::nec
