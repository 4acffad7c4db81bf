#pragma once
// What to trim: the as-cut design's loops behave as the model's times the
// fitted factor (the driven loop's times its own where one was fitted), so
// real wire of a model length over that factor behaves as the model. The goal
// is tuned on the as-cut model, its loops as they stand (no wire factor: the
// fit holds it), and each length it settles on is taken to real wire by
// dividing by the factor: every loop moves by the fit, the goal's loops by
// the tuning besides.

#include <optional>
#include <string>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/engine/run_control.h"
#include "nec/measured/model_fit.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"
#include "nec/tuning/scaled_model.h"
#include "nec/tuning/tune.h"

namespace loopbeam::nec {

struct TrimLoop {
    std::string element;  // "reflector", "driven", "director 1"
    double asCutMetres = 0, cutToMetres = 0;
};

struct Trim {
    TuneGoal goal = TuneGoal::Resonance;
    std::vector<TrimLoop> loops;
    // The trimmed antenna as the fitted model predicts it: X = 0 nearest the
    // locked frequency (NaN where none), the lowest SWR on 50 ohms, the band's lowest F/R.
    double resonanceMHz = 0, minSwr = 0, minFrDb = 0;
};

// asCut: the design's model with the loops as cut; check: the design's, for
// its sweep method and the reactance's first estimate.
Outcome<Trim> trimToFit(const NecModel& asCut, const CheckResult& check, const LoopScales& fitted, TuneGoal goal,
                        const RunControl& control = {});

// The fit, and the trims where it is trusted; refused where the fit fails.
struct FittedTrim {
    ModelFit fit;
    std::optional<Outcome<Trim>> trim;  // none where the fit is not trusted
};
Outcome<FittedTrim> fitAndTrim(const NecModel& asCut, const CheckResult& check, const MeasuredSweep& atFeed,
                               TuneGoal goal, const RunControl& control = {});

}  // namespace loopbeam::nec
