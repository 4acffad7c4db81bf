#pragma once
// Direct solves of a model through nec2c: a batch of frequencies split into
// contiguous runs of nearly equal size, one nec2c each, as many at once as
// there are cores; every frequency's whole output kept by the frequency asked
// for, and never solved twice. The locked frequency and the band's pattern
// frequencies are asked with the rear half, for front-to-rear.

#include <complex>
#include <cstddef>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "nec/engine/engine_run.h"
#include "nec/engine/nec2c_output.h"
#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// What the solves are for: the check's figures (the locked frequency's whole
// azimuth, the band's rear half besides forward and back), or the feed
// impedance alone (a fit to a measurement), which leaves those patterns out.
enum class Solving { Figures, Impedance };

class EngineSolver {
public:
    // The model is referenced, not copied: it outlives the solver. solved is
    // told how many frequencies are solved so far, a running batch's share
    // included (control.progress is not called: it would read a batch as the whole).
    EngineSolver(const NecModel& model, RunControl control, std::function<void(double solved)> solved = {},
                 Solving solving = Solving::Figures);

    // The size of a batch that keeps every engine busy.
    unsigned processes() const { return enginesAtOnce(control_); }

    // An ImpedanceSolver: the feed impedances in the order asked, or why not.
    Outcome<std::vector<std::complex<double>>> operator()(std::span<const double> mhz);

    const std::map<double, FrequencyOutput>& outputs() const { return outputs_; }

private:
    const NecModel& model_;
    RunControl control_;
    std::function<void(double)> solved_;
    Solving solving_;
    std::map<double, FrequencyOutput> outputs_;
    std::vector<double> band_;  // the band's pattern frequencies, ascending
};

}  // namespace loopbeam::nec
