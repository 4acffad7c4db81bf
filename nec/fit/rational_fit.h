#pragma once
// A ratio of two polynomials in frequency fitted to complex impedances by
// least squares, linearised as Levy did: N(f_i) - Z_i D(f_i) = 0. Over a
// band, a wire antenna's feed impedance is such a ratio of low order.

#include <complex>
#include <span>
#include <vector>

namespace loopbeam::nec {

struct FitOrder {
    int numerator = 0, denominator = 0;  // polynomial degrees

    int unknowns() const { return numerator + denominator + 1; }
};

struct RationalFit {
    // Both polynomials in Chebyshev form of x = (f - centre) / halfSpan, which
    // keeps the least-squares problem well conditioned over the span.
    double centreMHz = 0, halfSpanMHz = 1;
    std::vector<std::complex<double>> numerator, denominator;

    std::complex<double> at(double mhz) const;
};

// Needs at least order.unknowns() samples at distinct frequencies; each
// equation is weighted by 1 / |Z_i|, so every sample counts by its relative error.
RationalFit fitRational(std::span<const double> mhz, std::span<const std::complex<double>> impedance, FitOrder order,
                        double centreMHz, double halfSpanMHz);

}  // namespace loopbeam::nec
