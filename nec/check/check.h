#pragma once
// The NEC-2 check of a calculated design: build the model (refusing designs
// outside the thin-wire limits), ask before a large one (needsConfirmation in
// run_cost.h), then run the sweep through nec2c on every core.
//
//     auto model = buildModel(design, options);
//     if (!model) show(model.error().message);
//     else if (!needsConfirmation(*model) || userAgrees()) auto result = runCheck(*model, control);
//
// A failed run gives its reason and no figures; a cancelled one gives
// kCancelledMessage.

#include "nec/check/check_result.h"
#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

Outcome<CheckResult> runCheck(const NecModel& model, const RunControl& control = {});

// The deck of the whole sweep in one run, as a NEC-2 program would read it.
std::string wholeDeck(const NecModel& model);

}  // namespace loopbeam::nec
