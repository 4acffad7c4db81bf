#pragma once
// The feed resistance and reactance against frequency, with a line at X = 0
// where the antenna resonates; the tuned design beside the calculated one,
// when there is one, and a measurement beside them.

#include <vector>

#include "nec/model/quad_design.h"
#include "necwindow/charts/chart_parts.h"

class QChart;

namespace loopbeam {

// measured: an analyser's sweep at the feed point, drawn on the model's axes.
QChart* impedanceChart(const std::vector<chart_parts::Drawn>& checks, const nec::QuadDesign& design,
                       const nec::MeasuredSweep* measured = nullptr);

}  // namespace loopbeam
