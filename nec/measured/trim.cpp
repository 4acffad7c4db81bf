#include "nec/measured/trim.h"

#include <cmath>

namespace loopbeam::nec {
namespace {

double scaleOf(const LoopScales& scales, std::size_t loop) {
    return loop == kReflectorLoop ? scales.reflector : loop == kDrivenLoop ? scales.driven : scales.directors;
}

}  // namespace

Outcome<Trim> trimToFit(const NecModel& asCut, const CheckResult& check, const LoopScales& fitted, TuneGoal goal,
                        const RunControl& control) {
    // Real wire of a model length divided by the fitted factor behaves as the
    // model: the as-cut lengths so divided behave as the design that was meant
    // to be cut, and the goal is tuned from there.
    auto tuned = tune(asCut, check, goal, control, {}, false);
    if (!tuned) return refuse(tuned.error().message);
    Trim trim;
    trim.goal = goal;
    for (std::size_t i = 0; i < asCut.loops.size(); ++i)
        trim.loops.push_back(
            {loopWord(i), asCut.loops[i].perimeterMetres, tuned->model.loops[i].perimeterMetres / scaleOf(fitted, i)});
    const CheckSummary& s = tuned->check.summary;
    trim.resonanceMHz = s.resonancesMHz.empty() ? NAN : s.resonancesMHz.front();
    trim.minSwr = s.lowestDirect.swr;
    trim.minFrDb = tuned->check.band.frontToRearDb.value;
    return trim;
}

Outcome<FittedTrim> fitAndTrim(const NecModel& asCut, const CheckResult& check, const MeasuredSweep& atFeed,
                               TuneGoal goal, const RunControl& control) {
    auto fit = fitModel(asCut, atFeed, control);
    if (!fit) return refuse("the model could not be fitted to the measurement: " + fit.error().message);
    FittedTrim fitted{*fit, std::nullopt};
    if (fit->fits()) fitted.trim = trimToFit(asCut, check, fit->scales(), goal, control);
    return fitted;
}

}  // namespace loopbeam::nec
