#pragma once
// The feed resistance and reactance against frequency, with a line at X = 0
// where the antenna resonates.

#include "nec/check_result.h"
#include "nec/quad_design.h"

class QChart;

namespace loopbeam {

QChart* impedanceChart(const nec::CheckResult& result, const nec::QuadDesign& design);

}  // namespace loopbeam
