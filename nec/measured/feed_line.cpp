#include "nec/measured/feed_line.h"

#include <cmath>
#include <numbers>

#include "nec/model/segment_rule.h"

namespace loopbeam::nec {
namespace {

// The line's gamma x length: nepers of loss and radians of phase.
std::complex<double> propagation(const TransmissionLine& line, double mhz) {
    const double lossDb = line.lossDb * std::sqrt(mhz / line.referenceMHz);
    const double nepers = lossDb * std::numbers::ln10 / 20;
    const double radians = 2 * std::numbers::pi * line.lengthMetres / (wavelengthMetres(mhz) * line.velocityFactor);
    return {nepers, radians};
}

// Z0 (ZL cosh gl + Z0 sinh gl) / (Z0 cosh gl + ZL sinh gl): the hyperbolic
// functions kept apart, so that no quarter wave needs an infinite tangent.
std::complex<double> transformed(std::complex<double> load, double ohms, std::complex<double> gl) {
    const std::complex<double> c = std::cosh(gl), s = std::sinh(gl);
    return ohms * (load * c + ohms * s) / (ohms * c + load * s);
}

}  // namespace

const LineCable* lineCableNamed(std::string_view name) {
    for (const LineCable& cable : kLineCables)
        if (cable.name == name) return &cable;
    return nullptr;
}

std::string lineCableNames() {
    std::string out;
    for (std::size_t i = 0; i < kLineCables.size(); ++i) {
        const std::string_view name = kLineCables[i].name;
        const bool quoted = name.find(' ') != std::string_view::npos;
        out += (i == 0                        ? ""
                : i + 1 == kLineCables.size() ? " or "
                                              : ", ") +
               (quoted ? "\"" + std::string(name) + "\"" : std::string(name));
    }
    return out;
}

std::complex<double> inputImpedance(std::complex<double> load, const TransmissionLine& line, double mhz) {
    return transformed(load, line.ohms, propagation(line, mhz));
}

std::complex<double> loadImpedance(std::complex<double> input, const TransmissionLine& line, double mhz) {
    return transformed(input, line.ohms, -propagation(line, mhz));
}

}  // namespace loopbeam::nec
