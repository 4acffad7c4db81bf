#include "cli/tune_run.h"

#include "nec/check/check.h"
#include "nec/model/deck_writer.h"

namespace loopbeam::cli {
TuneRun runTune(const Options& options, const NecCheckRun& check) {
    TuneRun run;
    const double locked = check.design.lockedMHz;
    run.calculatedFeed = *check.feed;
    auto tuned = nec::tune(*check.model, *check.result, *options.tune, {}, options.bandLimits);
    if (!tuned) {
        run.failure = StepFailure{"tune", tuned.error().message};
        return run;
    }
    run.tunedFeed = nec::adviseFeed(tuned->check, locked, coaxVelocityFactor(options));
    if (!tuned->feasible) {
        std::string missed;
        for (const std::string& m : tuned->missed) missed += (missed.empty() ? "" : "; ") + m;
        run.failure = StepFailure{
            "tune", "Tuning for band found no design within the bounds that meets its constraints (" + missed +
                        "). The least violating one is shown, not lengths to cut: allow a higher --max-swr or "
                        "another --feed."};
    } else if (options.necDeck)
        run.deck = nec::writePortableDeck(tuned->model, tuned->check.summary.elevationDegrees);
    run.tuned = std::move(*tuned);
    return run;
}

std::optional<StepFailure> firstFailure(const DesignRun& run, const NecCheckRun* check, const TuneRun* tune) {
    if (auto failure = firstFailure(run, check)) return failure;
    return tune ? tune->failure : std::nullopt;
}

}  // namespace loopbeam::cli
