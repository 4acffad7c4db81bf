#pragma once
// SWR on 50 ohms against frequency, through the 75-ohm section and fed
// directly, on the scale where a builder decides (1 to 5); where a curve
// leaves the top it is marked, not drawn along it.

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

class QChart;

namespace loopbeam {

QChart* swrChart(const nec::CheckResult& result, const nec::QuadDesign& design);

}  // namespace loopbeam
