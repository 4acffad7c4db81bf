#include "nec/model/segment_rule.h"

#include <cmath>

#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

int oddAtLeast(double count) {
    const int whole = static_cast<int>(std::ceil(count));
    return whole % 2 == 0 ? whole + 1 : whole;
}

int oddAtMost(double count) {
    const int whole = static_cast<int>(std::floor(count));
    return whole % 2 == 0 ? whole - 1 : whole;
}

}  // namespace

Outcome<int> segmentsPerSide(double sideMetres, double wireRadiusMetres, double topMHz, double perWavelength) {
    const double wavelength = wavelengthMetres(topMHz);
    const double longest = kMaxSegmentWavelengths * wavelength;
    const double shortest = kMinSegmentRadii * wireRadiusMetres;
    int count = oddAtLeast(sideMetres * perWavelength / wavelength);
    if (count > kMaxSegmentsPerSide) {
        count = kMaxSegmentsPerSide;
        if (sideMetres / count > longest)
            return refuse(printfText(
                "A loop side of %.4g m is %.3g wavelengths at %.6g MHz: even in %d segments each would be longer "
                "than 0.1 wavelength, the NEC-2 limit. The loop lengths do not fit the frequency; check the design.",
                sideMetres, sideMetres / wavelength, topMHz, kMaxSegmentsPerSide));
    }
    if (sideMetres / count < shortest) count = oddAtMost(sideMetres / shortest);
    if (count < 1 || sideMetres / count > longest)
        return refuse(printfText(
            "Wire %.3g mm thick is too thick for a NEC-2 thin-wire model at %.6g MHz: a segment must be at least "
            "8 wire radii (%.3g mm) and at most 0.1 wavelength (%.3g mm) long, and a loop side of %.4g m cannot be "
            "cut into such segments. Use thinner wire.",
            2000 * wireRadiusMetres, topMHz, 1000 * shortest, 1000 * longest, sideMetres));
    return count;
}

}  // namespace loopbeam::nec
