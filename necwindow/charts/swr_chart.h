#pragma once
// SWR on 50 ohms against frequency, through the 75-ohm section and fed
// directly, on the scale where a builder decides (1 to 5); where a curve
// leaves the top it is marked, not drawn along it. The tuned design beside
// the calculated one, when there is one.

#include <vector>

#include "nec/model/quad_design.h"
#include "necwindow/charts/chart_parts.h"

class QChart;

namespace loopbeam {

// measured: an analyser's sweep at the feed point, SWR on 50 ohms beside the model's fed directly.
QChart* swrChart(const std::vector<chart_parts::Drawn>& checks, const nec::QuadDesign& design,
                 const nec::MeasuredSweep* measured = nullptr);

}  // namespace loopbeam
