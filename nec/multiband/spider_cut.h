#pragma once
// The cut list of the whole spider, band by band: each loop's wire, a side,
// its spreader arm from the hub to its corner (along the arm, which leans to
// the boom) and its place along the boom from the hub; and the arms the
// largest loops need. A tuned spider's list carries the calculated wire of
// each loop the tuning changed.

#include <optional>
#include <vector>

#include "nec/multiband/band_design.h"
#include "nec/multiband/spider.h"
#include "nec/multiband/spider_tuning.h"

namespace loopbeam::nec {

struct SpiderCutRow {
    double bandMHz = 0;
    bool driven = false;
    double wireMetres = 0, sideMetres = 0, armMetres = 0;
    double positionMetres = 0;                   // from the hub, forward positive
    std::optional<double> calculatedWireMetres;  // of a loop the tuning changed
};

// The longest arm on one side of the hub, and the loop it carries.
struct SpreaderArm {
    double metres = 0;
    std::size_t row = 0;
};

struct SpiderCut {
    std::vector<SpiderCutRow> rows;  // band by band, the reflector then the driven loop
    SpreaderArm back, front;         // behind the hub the reflectors, in front the driven loops
    double armAngleDegrees = 0;
    bool tuned = false;
    TuneGoal goal = TuneGoal::Resonance;  // once tuned
};

// The calculated spider's list, or the tuned one's when there is one.
SpiderCut spiderCut(const MultibandDesign& design, const Spider& calculated, const SpiderTuned* tuned);

}  // namespace loopbeam::nec
