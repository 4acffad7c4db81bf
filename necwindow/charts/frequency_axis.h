#pragma once
// The frame the sweep charts share, so that SWR and R and X read alike:
// frequency on round ticks across the sweep, the estimated range shaded, the
// locked frequency drawn as a line.

#include <QString>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

class QChart;
class QValueAxis;

namespace loopbeam {

// Adds the frequency axis and draws the frame across the whole height of the
// value axis, already on the chart; returns the frequency axis.
QValueAxis* frequencyAxis(QChart& chart, const std::vector<nec::FrequencyPoint>& sweep, const nec::QuadDesign& design,
                          QValueAxis* valueAxis);

}  // namespace loopbeam
