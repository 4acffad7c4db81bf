#pragma once
// Single-frequency NEC-2 solves of several models side by side: one nec2c
// each, all started at once in one engine run (private folder, no shell,
// timeout, cancel and signals as for a check).

#include <complex>
#include <span>
#include <vector>

#include "nec/engine/run_control.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

struct Probe {
    const NecModel* model = nullptr;
    double mhz = 0;
};

// Read as the check reads a frequency, F/B unrounded.
struct Evaluation {
    std::complex<double> feedImpedance;
    double forwardGainDbi = 0;
    double frontToBackDb = 0;

    // The power straight behind over the power forward: smooth where F/B peaks sharply.
    double backOverForward() const;
};

Outcome<std::vector<Evaluation>> solveSideBySide(std::span<const Probe> probes, const RunControl& control);

}  // namespace loopbeam::nec
