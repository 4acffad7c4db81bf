#pragma once
// The check's figures as charts. The numbers are the core's; these functions
// only map them onto series and axes.

#include "nec/check_result.h"

class QChart;
class QPolarChart;

namespace loopbeam {

// SWR through the section and direct against frequency, the estimated range
// shaded, lines at 1.5 and 2.
QChart* swrChart(const nec::CheckResult& result, double estimatedLowMHz, double estimatedHighMHz);

// Feed resistance and reactance against frequency.
QChart* impedanceChart(const nec::CheckResult& result);

// Gain against azimuth at the locked frequency, forward at 0 degrees.
QPolarChart* patternChart(const nec::CheckResult& result);

}  // namespace loopbeam
