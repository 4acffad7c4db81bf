#pragma once
// Direct solves of a model through nec2c for the adaptive sweep: a batch of
// frequencies split over the engine processes, one per core, and every
// frequency's whole output kept by the frequency asked for.

#include <complex>
#include <map>
#include <span>
#include <vector>

#include "nec/engine/nec2c_output.h"
#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

class EngineSolver {
public:
    // The model is referenced, not copied: it outlives the solver.
    EngineSolver(const NecModel& model, RunControl control);

    // How many nec2c run at once: the size of a batch that keeps every core busy.
    unsigned processes() const;

    // An ImpedanceSolver: the feed impedances in the order asked, or why not.
    Outcome<std::vector<std::complex<double>>> operator()(std::span<const double> mhz);

    const std::map<double, FrequencyOutput>& outputs() const { return outputs_; }

private:
    const NecModel& model_;
    RunControl control_;
    std::map<double, FrequencyOutput> outputs_;
};

}  // namespace loopbeam::nec
