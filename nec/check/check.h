#pragma once
// The NEC-2 check of a calculated design: build the model (refusing designs
// outside the thin-wire limits), ask before a large one (needsConfirmation in
// run_cost.h), then run the sweep through nec2c on every core: by default a
// rational fit of a few solves (nec/fit/adaptive_sweep.h) gives the feed
// impedance at every frequency of the sweep, and where the fit does not
// settle within kMaxFitSolves, the kGridPoints direct sweep stands instead.
//
//     auto model = buildModel(design, options);
//     if (!model) show(model.error().message);
//     else if (!needsConfirmation(*model) || userAgrees()) auto result = runCheck(*model, control);
//
// A failed run gives its reason and no figures; a cancelled one gives
// kCancelledMessage.

#include <cstddef>
#include <string>

#include "nec/check/check_result.h"
#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

Outcome<CheckResult> runCheck(const NecModel& model, const RunControl& control = {},
                              SweepMethod method = SweepMethod::Fitted);

// The most frequencies the check may solve: a fit's kMaxFitSolves and then
// the direct sweep's others (the locked frequency and the estimated edges are
// solved first), or every frequency of the sweep.
// The band's worst over the sweep: the patterns where solved, the SWR
// through this feed everywhere.
BandFigures bandOf(const std::vector<FrequencyPoint>& sweep, const SweepPlan& plan, FeedKind feed);

std::size_t mostSolves(const NecModel& model, SweepMethod method);

// The engine's working deck of the direct sweep (kGridPoints) in one run; the deck given to
// people is writePortableDeck's (nec/model/deck_writer.h).
std::string wholeDeck(const NecModel& model);

}  // namespace loopbeam::nec
