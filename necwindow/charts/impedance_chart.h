#pragma once
// The feed resistance and reactance against frequency, with a line at X = 0
// where the antenna resonates.

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

class QChart;

namespace loopbeam {

QChart* impedanceChart(const nec::CheckResult& result, const nec::QuadDesign& design);

}  // namespace loopbeam
