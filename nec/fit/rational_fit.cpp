#include "nec/fit/rational_fit.h"

#include <Eigen/SVD>
#include <algorithm>
#include <cmath>

namespace loopbeam::nec {

namespace {

// T_0(x) .. T_degree(x).
std::vector<double> chebyshev(double x, int degree) {
    std::vector<double> t(static_cast<std::size_t>(degree) + 1);
    t[0] = 1;
    if (degree > 0) t[1] = x;
    for (std::size_t k = 2; k < t.size(); ++k) t[k] = 2 * x * t[k - 1] - t[k - 2];
    return t;
}

std::complex<double> sumOf(const std::vector<std::complex<double>>& coefficients, const std::vector<double>& t) {
    std::complex<double> sum = 0;
    for (std::size_t k = 0; k < coefficients.size(); ++k) sum += coefficients[k] * t[k];
    return sum;
}

}  // namespace

std::complex<double> RationalFit::at(double mhz) const {
    const double x = (mhz - centreMHz) / halfSpanMHz;
    const auto t = chebyshev(x, static_cast<int>(std::max(numerator.size(), denominator.size())) - 1);
    return sumOf(numerator, t) / sumOf(denominator, t);
}

RationalFit fitRational(std::span<const double> mhz, std::span<const std::complex<double>> impedance, FitOrder order,
                        double centreMHz, double halfSpanMHz) {
    const Eigen::Index rows = static_cast<Eigen::Index>(mhz.size());
    const int n = order.numerator + 1, d = order.denominator + 1;
    // Impedances in units of their root mean square keep the numerator's and
    // the denominator's coefficients of one size, so that their unit norm
    // favours neither.
    double meanSquare = 0;
    for (const auto& z : impedance) meanSquare += std::norm(z);
    const double scale = std::sqrt(meanSquare / static_cast<double>(rows));

    Eigen::MatrixXcd a(rows, n + d);
    for (Eigen::Index i = 0; i < rows; ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        const std::complex<double> z = impedance[s] / scale;
        const double weight = 1 / std::abs(z);
        const auto t = chebyshev((mhz[s] - centreMHz) / halfSpanMHz, std::max(n, d) - 1);
        for (int k = 0; k < n; ++k) a(i, k) = weight * t[static_cast<std::size_t>(k)];
        for (int k = 0; k < d; ++k) a(i, n + k) = -(weight * z) * t[static_cast<std::size_t>(k)];
    }
    // The coefficients of unit norm that leave the least residual: the right
    // singular vector of the smallest singular value.
    const Eigen::JacobiSVD<Eigen::MatrixXcd> svd(a, Eigen::ComputeFullV);
    const Eigen::VectorXcd c = svd.matrixV().col(n + d - 1);

    RationalFit fit{centreMHz, halfSpanMHz, {}, {}};
    for (int k = 0; k < n; ++k) fit.numerator.push_back(c(k) * scale);
    for (int k = 0; k < d; ++k) fit.denominator.push_back(c(n + k));
    return fit;
}

}  // namespace loopbeam::nec
