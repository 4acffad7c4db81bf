#include "nec/measured/model_fit.h"

#include <boost/math/tools/minima.hpp>
#include <cmath>
#include <functional>
#include <map>
#include <utility>

#include "nec/check/feed_match.h"
#include "nec/engine/engine_solver.h"
#include "nec/fit/adaptive_sweep.h"
#include "nec/printf_text.h"
#include "nec/tuning/scaled_model.h"

namespace loopbeam::nec {
namespace {

// Boost's iterations have no way to return a failure.
struct FitStopped {
    std::string why;
};

// A model the ground refuses is as far from any measurement as can be.
constexpr double kWorstError = 2;

// Evenly spread among the points, the first and last kept: what the direct
// fallback solves where the fit does not settle.
std::vector<std::size_t> thinned(std::size_t count, std::size_t most) {
    std::vector<std::size_t> kept;
    if (count <= most) {
        for (std::size_t i = 0; i < count; ++i) kept.push_back(i);
        return kept;
    }
    for (std::size_t i = 0; i < most; ++i) kept.push_back(i * (count - 1) / (most - 1));
    return kept;
}

class FitObjective {
public:
    FitObjective(const NecModel& calculated, const MeasuredSweep& fitted, const RunControl& control)
        : calculated_(calculated), fitted_(fitted), control_(control) {
        for (const MeasuredPoint& p : fitted) mhz_.push_back(p.mhz);
    }

    double operator()(const LoopScales& scales) {
        ++steps_;
        const auto model = scaledModel(calculated_, scales);
        if (!model) return kWorstError;
        EngineSolver solver(*model, control_, {}, Solving::Impedance);  // the fit reads no pattern
        AdaptiveSweepRequest request;
        request.outputMHz = mhz_;
        request.mustSolveMHz = {mhz_.front(), mhz_.back()};
        if (mhz_.size() == 1) request.mustSolveMHz.pop_back();
        request.solvesPerRound = solver.processes();
        auto sweep = adaptiveSweep(request, std::ref(solver));
        if (!sweep) throw FitStopped{sweep.error().message};
        std::vector<std::size_t> at;
        std::vector<std::complex<double>> impedance;
        if (sweep->converged) {
            at = thinned(mhz_.size(), mhz_.size());
            impedance = std::move(sweep->impedance);
        } else {
            at = thinned(mhz_.size(), kGridPoints);
            std::vector<double> direct;
            for (const std::size_t i : at) direct.push_back(mhz_[i]);
            auto solved = solver(direct);
            if (!solved) throw FitStopped{solved.error().message};
            impedance = std::move(*solved);
        }
        double sum = 0;
        for (std::size_t i = 0; i < at.size(); ++i) {
            const std::complex<double> modelGamma = reflection(impedance[i]);
            const std::complex<double> measuredGamma = reflection(fitted_[at[i]].impedance);
            sum += std::norm(modelGamma - measuredGamma);
        }
        return std::sqrt(sum / static_cast<double>(at.size()));
    }

    int steps() const { return steps_; }

private:
    const NecModel& calculated_;
    const MeasuredSweep& fitted_;
    const RunControl& control_;
    std::vector<double> mhz_;
    int steps_ = 0;
};

// The best driven factor for each k the outer search asks, each remembered:
// the outer search ends on a k it asked, whose driven factor is then known
// without searching again. Each search takes the whole bracket: with k off,
// the error over the driven factor can have more than one minimum.
class DrivenSearch {
public:
    explicit DrivenSearch(FitObjective& objective) : objective_(objective) {}

    std::pair<double, double> best(double k) {
        if (const auto known = found_.find(k); known != found_.end()) return known->second;
        std::uintmax_t steps = kMostDrivenSteps;
        return found_[k] = boost::math::tools::brent_find_minima(
                   [&](double d) {
                       return objective_({k, k * d, k});
                   },
                   kLowestDrivenFactor, kHighestDrivenFactor, kDrivenFactorBits, steps);
    }

private:
    FitObjective& objective_;
    std::map<double, std::pair<double, double>> found_;
};

}  // namespace

Outcome<ModelFit> fitModel(const NecModel& calculated, const MeasuredSweep& atFeed, const RunControl& control) {
    MeasuredSweep fitted;
    for (const MeasuredPoint& p : atFeed)
        if (swr(p.impedance) < kFitSwrLimit) fitted.push_back(p);
    if (fitted.empty())
        return refuse(
            printfText("the measured SWR is %g or more at every point of the design's sweep: nothing to fit "
                       "the model to (is the antenna connected, and the band the design's?)",
                       kFitSwrLimit));
    FitObjective objective(calculated, fitted, control);
    using boost::math::tools::brent_find_minima;
    try {
        std::uintmax_t iterations = kMostFitSteps;
        const auto [factor, error] = brent_find_minima(
            [&](double k) {
                return objective({k, k, k});
            },
            kLowestFactor, kHighestFactor, kFactorBits, iterations);
        ModelFit fit{factor, std::nullopt, error, error, fitted.size(), 0};
        if (error > kDrivenFitError) {
            // The best driven loop for each k; the outer search sees its error.
            DrivenSearch driven(objective);
            std::uintmax_t outer = kMostFitSteps;
            const auto [k, bothError] = brent_find_minima([&](double k) { return driven.best(k).second; },
                                                          kLowestFactor, kHighestFactor, kFactorBits, outer);
            const double d = driven.best(k).first;
            // A driven factor at an end of its bracket is no better trusted than none.
            const bool atEnd = d < kLowestDrivenFactor * 1.001 || d > kHighestDrivenFactor / 1.001;
            if (!atEnd && bothError < error) {
                fit.factor = k;
                fit.drivenFactor = d;
                fit.error = bothError;
            }
        }
        fit.steps = objective.steps();
        return fit;
    } catch (const FitStopped& stopped) {
        return refuse(stopped.why);
    }
}

}  // namespace loopbeam::nec
