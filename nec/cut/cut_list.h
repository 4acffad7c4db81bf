#pragma once
// The cut list a builder works from: one row an element, the reflector first,
// then the driven element, then each director; the wire (the loop's
// perimeter), a side (a quarter of it), the spreader arm from the hub to the
// wire's corner (the perimeter over 4 times the square root of 2) and the
// place along the boom from the reflector, each as the design or its tuning
// has it. For a tuned design, the loops the tuning changed carry their
// calculated wire.

#include <optional>
#include <string>
#include <vector>

#include "nec/model/nec_model.h"
#include "nec/tuning/tune.h"

namespace loopbeam::nec {

struct CutRow {
    std::string element;  // "Reflector", "Driven element", "Director 1"
    std::string key;      // "reflector", "driven", "director_1": as files name it
    double wireMetres = 0, sideMetres = 0, armMetres = 0, boomMetres = 0;
    std::optional<double> calculatedWireMetres;  // of a loop the tuning changed
};

// The calculated design's list, or the tuned one's when there is one.
std::vector<CutRow> cutRows(const NecModel& calculated, const Tuned* tuned);

}  // namespace loopbeam::nec
