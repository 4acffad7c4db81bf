#include "cli/measured_run.h"

#include <algorithm>

#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/measured/measurement_file.h"
#include "nec/measured/measurement_path.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {
namespace {

std::string lineText(const nec::TransmissionLine& line) {
    return nec::printfText("%g m of %g-ohm line (velocity factor %g%s)", line.lengthMetres, line.ohms,
                           line.velocityFactor,
                           line.lossDb > 0 ? nec::printfText(", %g dB matched loss", line.lossDb).c_str() : "");
}

// The model's sweep over the measured span, as a measurement: from the
// model's point at or below its low end to the one at or above its high end,
// so that even a measurement of one frequency has a point beside it.
nec::MeasuredSweep modelOver(const nec::CheckResult& result, double lowMHz, double highMHz) {
    const auto& points = result.sweep;
    auto first = std::upper_bound(points.begin(), points.end(), lowMHz,
                                  [](double f, const nec::FrequencyPoint& p) { return f < p.mhz; });
    if (first != points.begin()) --first;
    auto last = std::lower_bound(points.begin(), points.end(), highMHz,
                                 [](const nec::FrequencyPoint& p, double f) { return p.mhz < f; });
    if (last != points.end()) ++last;
    nec::MeasuredSweep sweep;
    for (auto p = first; p < last; ++p) sweep.push_back({p->mhz, p->feedImpedance});
    return sweep;
}

// The model of what was cut: the lengths given on the design's boom, or the design shown.
nec::Outcome<nec::NecModel> asCutModel(const NecCheckRun& check,
                                       const std::optional<std::vector<nec::AsCutLength>>& asCut, const TuneRun* tune) {
    if (!asCut) return tune && tune->tuned ? tune->tuned->model : *check.model;
    auto layout = nec::asCutLayout(nec::layoutOf(*check.model), *asCut);
    if (!layout) return nec::refuse(layout.error().message);
    return nec::relaidModel(*check.model, *layout);
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
    nec::MeasurementPath path;
    path.feedline = feedlineOf(options.measured, check.design.lockedMHz);
    if (path.feedline) run.path = lineText(*path.feedline);
    if (options.measured.throughSection) {
        const auto advice = nec::adviseFeed(*check.result, check.design.lockedMHz, coaxVelocityFactor(options));
        auto section = nec::advisedSection(advice, coaxVelocityFactor(options));
        if (!section) {
            run.failure = StepFailure{"measured", section.error().message};
            return run;
        }
        path.section = *section;
        run.path += (run.path.empty() ? "" : ", then ") +
                    nec::printfText("the %s section, ", nec::rowOf(nec::kFeeds, advice.recommended).name.data()) +
                    lineText(*section);
    }
    const nec::MeasuredSweep atFeed = nec::atFeedPoint(*inside, path);
    run.points = atFeed.size();
    run.measured = nec::summariseMeasurement(atFeed, check.design);
    run.model =
        nec::summariseMeasurement(modelOver(*check.result, atFeed.front().mhz, atFeed.back().mhz), check.design);
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
