#pragma once
// A model's figures over its band from the band's pattern frequencies alone,
// solved side by side on every core: what a tuner weighs a design by. The
// check reads the same solves, with the fitted sweep's SWR between them.
//
//     auto band = evaluateBand(model, control, [&](double mhz, auto z) { return swrThroughFeed(z, mhz); });

#include <complex>
#include <functional>

#include "nec/band/band_figures.h"
#include "nec/engine/engine_solver.h"
#include "nec/engine/nec2c_output.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// The SWR a transmitter sees through the feed chosen, at a frequency.
using SwrAt = std::function<double(double mhz, std::complex<double> feedImpedance)>;

// One solved frequency's figures.
BandSample bandSample(double mhz, const FrequencyOutput& output, double swr);

// Solves what the solver has not solved yet of the band's frequencies, in one batch.
Outcome<BandFigures> evaluateBand(EngineSolver& solver, const NecModel& model, const SwrAt& swrAt);
Outcome<BandFigures> evaluateBand(const NecModel& model, const RunControl& control, const SwrAt& swrAt);

}  // namespace loopbeam::nec
