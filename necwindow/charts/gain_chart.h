#pragma once
// Forward gain, front-to-back and front-to-rear against frequency at the
// frequencies nec2c solved, the band shaded: a deep null at one frequency
// shows as the spike it is. The tuned design beside the calculated one, when
// there is one.

#include <vector>

#include "nec/model/quad_design.h"
#include "necwindow/charts/chart_parts.h"

class QChart;

namespace loopbeam {

QChart* gainChart(const std::vector<chart_parts::Drawn>& checks, const nec::QuadDesign& design);

}  // namespace loopbeam
