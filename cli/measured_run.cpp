#include "cli/measured_run.h"

#include "nec/check/feed_advice.h"
#include "nec/measured/measurement_file.h"
#include "nec/measured/measurement_path.h"

namespace loopbeam::cli {
namespace {

// The model of what was cut: the lengths given on the design's boom, or the design shown.
nec::Outcome<nec::NecModel> asCutModel(const NecCheckRun& check,
                                       const std::optional<std::vector<nec::AsCutLength>>& asCut, const TuneRun* tune) {
    if (!asCut) return tune && tune->tuned ? tune->tuned->model : *check.model;
    return nec::asCutModel(*check.model, *asCut);
}

}  // namespace

MeasuredRun runMeasured(const Options& options, const NecCheckRun& check, const nec::MeasuredSweep& read,
                        const std::optional<std::vector<nec::AsCutLength>>& asCut, const TuneRun* tune) {
    MeasuredRun run;
    run.file = *options.measured.file;
    const nec::SweepPlan& plan = check.model->sweep;
    const auto inside = nec::pointsWithin(read, plan.mhz.front(), plan.top());
    if (!inside) {
        run.failure = StepFailure{"measured", run.file + ": " + inside.error().message};
        return run;
    }
    const auto advice = nec::adviseFeed(*check.result, check.design.lockedMHz, coaxVelocityFactor(options));
    const auto path =
        nec::describedPath(feedlineOf(options.measured, check.design.lockedMHz), options.measured.throughSection,
                           advice, coaxVelocityFactor(options), {"leave out --through-section", "add --coax"});
    if (!path) {
        run.failure = StepFailure{"measured", path.error().message};
        return run;
    }
    run.path = path->words;
    const nec::MeasuredSweep atFeed = nec::atFeedPoint(*inside, path->path);
    run.points = atFeed.size();
    run.measured = nec::summariseMeasurement(atFeed, check.design);
    run.model = nec::summariseModelOver(*check.result, atFeed, check.design);
    const auto cut = asCutModel(check, asCut, tune);
    if (!cut) {
        run.failure = StepFailure{"measured", cut.error().message};
        return run;
    }
    auto fitted = nec::fitAndTrim(*cut, *check.result, atFeed, options.tune.value_or(nec::TuneGoal::Resonance));
    if (!fitted) {
        run.failure = StepFailure{"measured", fitted.error().message};
        return run;
    }
    run.fit = fitted->fit;
    if (fitted->trim && !*fitted->trim)
        run.failure = StepFailure{"measured", "no trims: " + fitted->trim->error().message};
    else if (fitted->trim)
        run.trim = std::move(**fitted->trim);
    return run;
}

std::optional<StepFailure> firstFailure(const DesignRun& run, const NecCheckRun* check, const TuneRun* tune,
                                        const MeasuredRun* measured) {
    if (auto failure = firstFailure(run, check, tune)) return failure;
    return measured ? measured->failure : std::nullopt;
}

}  // namespace loopbeam::cli
