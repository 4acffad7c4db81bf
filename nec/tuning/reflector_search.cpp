#include "nec/tuning/reflector_search.h"

#include <boost/math/tools/minima.hpp>
#include <cmath>

#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

// Boost stops once the optimum is known to 2 (2^-13 x + 2^-15), under
// kSettledFraction for every scale in the range.
constexpr int kBits = 14;

}  // namespace

LoopScales bestReflector(TuningSolver& solver, LoopScales scales, Window window, Window range) {
    const auto solve = [&](const std::vector<double>& reflectors) {
        std::vector<LoopScales> candidates;
        for (const double reflector : reflectors) {
            candidates.push_back(scales);
            candidates.back().reflector = reflector;
        }
        std::vector<double> out;
        for (const Evaluation& e : solver.atLocked(candidates)) out.push_back(e.backOverForward());
        return out;
    };
    scales.reflector = bestReflectorScale(solve, window, range);
    return scales;
}

double bestReflectorScale(const BehindOverForward& solve, Window window, Window range) {
    const auto behindOverForward = [&](double reflector) { return solve({reflector}).front(); };
    // Boost's Brent solves the window's long end first, then the golden
    // section's point back from it, as Boost computes it: both known before
    // it starts, so solved side by side. (Should Boost change its steps, the
    // second solve is merely spare.)
    constexpr double kBoostGolden = 0.3819660f;
    solve({window.high, window.high + kBoostGolden * (window.low - window.high)});
    std::uintmax_t iterations = kReflectorSolves - 1;
    const double best =
        boost::math::tools::brent_find_minima(behindOverForward, window.low, window.high, kBits, iterations).first;
    if (iterations >= kReflectorSolves - 1)
        throw SearchStopped{printfText("the reflector's best length was not found within %d solves", kReflectorSolves)};
    const double band = 2 * kSettledFraction * best;
    if (best - range.low < band || range.high - best < band)
        throw SearchStopped{printfText(
            "F/B has no maximum inside the reflector's range: it rises towards the range's %s end (%.3g of the "
            "calculated length)",
            best - range.low < band ? "short" : "long", best - range.low < band ? range.low : range.high)};
    return best;
}

}  // namespace loopbeam::nec
