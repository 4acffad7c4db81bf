#include "nec/check/feed_match.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace loopbeam::nec {

std::complex<double> throughQuarterWave(std::complex<double> load, double mhz, double lockedMHz, double lineOhms) {
    const double electrical = std::numbers::pi / 2 * mhz / lockedMHz;
    const std::complex<double> j(0, 1);
    // Z0 (ZL + j Z0 tan bl) / (Z0 + j ZL tan bl), multiplied through by cos bl
    // so that the quarter wave itself needs no infinite tangent.
    const double c = std::cos(electrical), s = std::sin(electrical);
    return lineOhms * (load * c + j * lineOhms * s) / (lineOhms * c + j * load * s);
}

std::complex<double> reflection(std::complex<double> impedance) {
    return (impedance - kSystemOhms) / (impedance + kSystemOhms);
}

double swr(std::complex<double> impedance) {
    const double rho = std::abs(reflection(impedance));
    if (!(rho < 1)) return std::numeric_limits<double>::infinity();
    return (1 + rho) / (1 - rho);
}

}  // namespace loopbeam::nec
