#include "common/round_ticks.h"

#include <cmath>

namespace loopbeam {
namespace {

// A multiple of the step within this rounding error of an end counts as within.
constexpr double kSlack = 1e-9;

// How many multiples of step lie within [low, high].
double ticksWithin(double low, double high, double step) {
    return std::floor(high / step + kSlack) - std::ceil(low / step - kSlack) + 1;
}

int decimalsOf(double step) {
    int decimals = 0;
    for (double scaled = step; decimals < 15 && std::abs(scaled - std::round(scaled)) > 1e-9 * scaled; scaled *= 10)
        ++decimals;
    return decimals;
}

}  // namespace

RoundTicks roundTicks(double low, double high, int maxTicks) {
    constexpr double kMantissas[] = {1, 2, 2.5, 5};
    double power = std::pow(10.0, std::floor(std::log10((high - low) / maxTicks)));
    for (;; power *= 10)
        for (const double mantissa : kMantissas) {
            const double step = mantissa * power;
            if (ticksWithin(low, high, step) > maxTicks) continue;
            return {std::ceil(low / step - kSlack) * step, step, decimalsOf(step)};
        }
}

}  // namespace loopbeam
