#include "nec/tuning/driven_resonance.h"

#include <algorithm>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>

#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

// A lone full-wave loop's X at resonance, per unit of its scale: measured
// 2,200 at 144 MHz and 3,000 at 14 MHz in AWG 14.
constexpr double kLoopSlopeOhms = 2500;
// The bracket's least half width.
constexpr double kLeastHalfWidth = 0.002;
// Below this bracket the scale is known to far less than a cut.
constexpr double kScaleTolerance = 1e-7;

struct End {
    double scale, reactance;
};

LoopScales withDriven(LoopScales scales, double driven) {
    scales.driven = driven;
    return scales;
}

}  // namespace

ReactanceAt reactanceFromSweep(const CheckResult& check, double lockedMHz, double scale) {
    const std::vector<FrequencyPoint>& sweep = check.sweep;
    if (sweep.size() < 2) return {scale, 0, kLoopSlopeOhms, false};  // nothing to read: the bracket finds it
    const double f = std::clamp(scale * lockedMHz, sweep.front().mhz, sweep.back().mhz);
    std::size_t i = 0;
    while (i + 2 < sweep.size() && sweep[i + 1].mhz < f) ++i;
    const FrequencyPoint &a = sweep[i], &b = sweep[i + 1];
    const double perMHz = (b.feedImpedance.imag() - a.feedImpedance.imag()) / (b.mhz - a.mhz);
    ReactanceAt at;
    at.scale = scale;
    at.reactance = a.feedImpedance.imag() + perMHz * (f - a.mhz);
    at.slope = std::clamp(lockedMHz * perMHz, kLoopSlopeOhms / 2, kLoopSlopeOhms * 2);
    return at;
}

Resonant resonantDriven(TuningSolver& solver, LoopScales scales, const ReactanceAt& from, double wireFactor) {
    const double lowest = kDrivenLowest * wireFactor, highest = kDrivenHighest * wireFactor;
    if (from.known && std::abs(from.reactance) <= kResonantOhms) return {withDriven(scales, from.scale), from.slope};
    const auto reactance = [&](double driven) {
        return solver.atLocked(withDriven(scales, driven)).feedImpedance.imag();
    };
    const auto clamped = [&](double s) { return std::clamp(s, lowest, highest); };

    const double centre = from.scale - from.reactance / from.slope;
    const double half = std::max(kLeastHalfWidth, std::abs(centre - from.scale) / 2);
    End low{clamped(centre - half), 0}, high{clamped(centre + half), 0};
    const auto ends = solver.atLocked({withDriven(scales, low.scale), withDriven(scales, high.scale)});
    low.reactance = ends[0].feedImpedance.imag();
    high.reactance = ends[1].feedImpedance.imag();
    // Out along the line through the ends, half as far again, until X changes sign.
    for (int move = 0; !(low.reactance <= 0 && high.reactance >= 0); ++move) {
        const bool below = low.reactance > 0;
        const double slope = (high.reactance - low.reactance) / (high.scale - low.scale);
        const End& near = below ? low : high;
        const double step = slope > 0 ? 1.5 * std::abs(near.reactance / slope) : 2 * (high.scale - low.scale);
        const double next = clamped(below ? near.scale - step : near.scale + step);
        if (move == kBracketMoves || next == near.scale)
            throw SearchStopped{printfText(
                "X at the locked frequency stays %s with the driven loop between %.3g and %.3g of its calculated "
                "length",
                below ? "above zero" : "below zero", lowest, highest)};
        (below ? high : low) = near;
        (below ? low : high) = {next, reactance(next)};
    }
    const double slope = (high.reactance - low.reactance) / (high.scale - low.scale);

    // The solved length nearest resonance ends the search once it is close enough.
    End best = std::abs(low.reactance) < std::abs(high.reactance) ? low : high;
    const auto tracked = [&](double driven) {
        const double x = reactance(driven);
        if (std::abs(x) < std::abs(best.reactance)) best = {driven, x};
        return x;
    };
    const auto done = [&](double a, double b) {
        return std::abs(best.reactance) <= kResonantOhms || b - a <= kScaleTolerance;
    };
    if (!done(low.scale, high.scale)) {
        std::uintmax_t iterations = kResonanceIterations;
        boost::math::tools::toms748_solve(tracked, low.scale, high.scale, low.reactance, high.reactance, done,
                                          iterations);
    }
    if (std::abs(best.reactance) > kResonantOhms)
        throw SearchStopped{
            printfText("the driven loop came no closer to resonance than X = %.2f ohm", best.reactance)};
    return {withDriven(scales, best.scale), slope};
}

}  // namespace loopbeam::nec
