#include "nec/band/band_evaluation.h"

#include <vector>

#include "nec/engine/forward_look.h"

namespace loopbeam::nec {

BandSample bandSample(double mhz, const FrequencyOutput& output, double swr) {
    const ForwardLook look = forwardLook(output);
    return {mhz, look.forward, look.frontToBackDb(), look.frontToRearDb(), swr};
}

Outcome<BandFigures> evaluateBand(EngineSolver& solver, const NecModel& model, const SwrAt& swrAt) {
    const std::vector<double> mhz = bandFrequencies(model.sweep.band);
    auto solved = solver(mhz);
    if (!solved) return Refused{solved.error()};
    std::vector<BandSample> samples;
    for (std::size_t i = 0; i < mhz.size(); ++i)
        samples.push_back(bandSample(mhz[i], solver.outputs().at(mhz[i]), swrAt(mhz[i], (*solved)[i])));
    return bandFigures(model.sweep.band, samples);
}

Outcome<BandFigures> evaluateBand(const NecModel& model, const RunControl& control, const SwrAt& swrAt) {
    EngineSolver solver(model, control);
    return evaluateBand(solver, model, swrAt);
}

}  // namespace loopbeam::nec
