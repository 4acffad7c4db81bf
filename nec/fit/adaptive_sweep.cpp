#include "nec/fit/adaptive_sweep.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "nec/fit/rational_fit.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

// Enough to place a pole or two inside the span before the first fit.
constexpr std::size_t kStartSolves = 6;

using Solved = std::map<double, std::complex<double>>;  // by the frequency asked

// The higher fit has as many unknowns as there are solves (it passes through
// them all), the lower one fewer; a numerator of the same degree as the
// denominator or one more, as a loop's impedance grows like an inductor's.
std::pair<FitOrder, FitOrder> ordersFor(std::size_t solves) {
    auto withUnknowns = [](int unknowns) {
        const int degrees = std::max(1, unknowns - 1);
        return FitOrder{(degrees + 1) / 2, degrees / 2};
    };
    const int m = static_cast<int>(solves);
    return {withUnknowns(m), withUnknowns(m - 1)};
}

RationalFit fitTo(const Solved& solved, FitOrder order, const AdaptiveSweepRequest& request) {
    std::vector<double> mhz;
    std::vector<std::complex<double>> z;
    for (const auto& [f, impedance] : solved) {
        mhz.push_back(f);
        z.push_back(impedance);
    }
    const double low = request.outputMHz.front(), high = request.outputMHz.back();
    return fitRational(mhz, z, order, (low + high) / 2, (high - low) / 2);
}

double relativeError(std::complex<double> z, std::complex<double> reference) {
    const double e = std::abs(z - reference) / std::abs(reference);
    return std::isnan(e) ? INFINITY : e;
}

// The evenly spread start: the must-solve frequencies and the span's ends,
// then the reusable frequency (or without any, the output frequency) nearest
// the middle of the widest gap, until there are enough; as many as keep
// every engine process busy.
std::vector<double> startingFrequencies(const AdaptiveSweepRequest& request) {
    std::vector<double> chosen = request.mustSolveMHz;
    chosen.push_back(request.outputMHz.front());
    chosen.push_back(request.outputMHz.back());
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    const std::size_t k = std::max(1u, request.solvesPerRound);
    const std::size_t wanted = std::min((std::max(kStartSolves, chosen.size()) + k - 1) / k * k,
                                        std::min(request.maxSolves, request.outputMHz.size()));
    const std::vector<double>& pool = request.reusableMHz.empty() ? request.outputMHz : request.reusableMHz;
    while (chosen.size() < wanted) {
        std::size_t widest = 0;
        for (std::size_t i = 1; i + 1 < chosen.size(); ++i)
            if (chosen[i + 1] - chosen[i] > chosen[widest + 1] - chosen[widest]) widest = i;
        const double middle = (chosen[widest] + chosen[widest + 1]) / 2;
        const auto nearest = std::min_element(
            pool.begin(), pool.end(), [&](double a, double b) { return std::abs(a - middle) < std::abs(b - middle); });
        if (std::find(chosen.begin(), chosen.end(), *nearest) != chosen.end()) break;  // none left between
        chosen.insert(std::upper_bound(chosen.begin(), chosen.end(), *nearest), *nearest);
    }
    return chosen;
}

struct Peak {
    double mhz = 0;
    double disagreement = 0;
};

// Where to solve next, a frequency in each gap between solved frequencies,
// the gap of the largest disagreement first: the output frequency where the
// two fits disagree most; but while they disagree beyond kFitAgreement, the
// reusable frequency of the gap where they disagree most, if it holds one.
std::vector<Peak> peaksByGap(const Solved& solved, const RationalFit& higher, const RationalFit& lower,
                             const AdaptiveSweepRequest& request) {
    struct Gap {
        Peak any, reusable;
        bool holdsReusable = false;
    };
    const std::vector<double>& reusable = request.reusableMHz;
    std::vector<Gap> gaps;
    double largest = 0;
    auto gapEnd = solved.begin();
    for (double f : request.outputMHz) {
        if (solved.count(f)) continue;
        const bool newGap = gapEnd == solved.end() || f > gapEnd->first;
        if (newGap) {
            gapEnd = solved.upper_bound(f);
            gaps.push_back({});
        }
        Gap& gap = gaps.back();
        const double d = relativeError(lower.at(f), higher.at(f));
        largest = std::max(largest, d);
        if (d >= gap.any.disagreement) gap.any = {f, d};
        if (std::binary_search(reusable.begin(), reusable.end(), f) &&
            (!gap.holdsReusable || d >= gap.reusable.disagreement)) {
            gap.reusable = {f, d};
            gap.holdsReusable = true;
        }
    }
    std::vector<Peak> peaks;
    for (const Gap& gap : gaps)
        peaks.push_back(gap.holdsReusable && largest > kFitAgreement ? Peak{gap.reusable.mhz, gap.any.disagreement}
                                                                     : gap.any);
    std::stable_sort(peaks.begin(), peaks.end(),
                     [](const Peak& a, const Peak& b) { return a.disagreement > b.disagreement; });
    return peaks;
}

}  // namespace

Outcome<AdaptiveSweep> adaptiveSweep(const AdaptiveSweepRequest& request, const ImpedanceSolver& solve) {
    AdaptiveSweep sweep;
    Solved solved;
    auto solveBatch = [&](const std::vector<double>& mhz) -> std::optional<Failure> {
        auto z = solve(mhz);
        if (!z) return z.error();
        if (z->size() != mhz.size())
            return Failure{"The NEC-2 engine answered " + std::to_string(z->size()) + " of " +
                           countText(mhz.size(), "frequency", "frequencies") + " asked. Check again."};
        for (std::size_t i = 0; i < mhz.size(); ++i) {
            solved[mhz[i]] = (*z)[i];
            sweep.solved.push_back({mhz[i], (*z)[i]});
        }
        return std::nullopt;
    };

    if (auto failed = solveBatch(startingFrequencies(request))) return Refused{*failed};
    const std::size_t k = std::max(1u, request.solvesPerRound);
    RationalFit accepted;  // the higher order
    while (true) {
        const auto [higherOrder, lowerOrder] = ordersFor(solved.size());
        const RationalFit higher = fitTo(solved, higherOrder, request), lower = fitTo(solved, lowerOrder, request);
        const std::vector<Peak> peaks = peaksByGap(solved, higher, lower, request);
        const double largestDisagreement = peaks.empty() ? 0 : peaks.front().disagreement;
        const std::size_t budget =
            std::min({k, peaks.size(), request.maxSolves - std::min(request.maxSolves, solved.size())});
        if (budget == 0) {
            if (!peaks.empty()) return sweep;  // out of solves
            accepted = higher;                 // every output frequency solved
            sweep.converged = true;
            break;
        }
        std::vector<double> next;
        for (std::size_t i = 0; i < budget; ++i) next.push_back(peaks[i].mhz);
        if (auto failed = solveBatch(next)) return Refused{*failed};
        if (largestDisagreement > kFitAgreement) continue;
        // Agreed: the check solves, where the fits disagreed most, decide.
        double verificationError = 0;
        for (double f : next) verificationError = std::max(verificationError, relativeError(higher.at(f), solved[f]));
        if (verificationError <= kFitVerification) {
            accepted = higher;
            sweep.converged = true;
            break;
        }
    }
    for (double f : request.outputMHz) {
        const auto direct = solved.find(f);
        sweep.impedance.push_back(direct != solved.end() ? direct->second : accepted.at(f));
    }
    return sweep;
}

}  // namespace loopbeam::nec
