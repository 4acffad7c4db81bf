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

// A span shaded across the chart, named in the legend.
struct ShadedSpan {
    double lowMHz = 0, highMHz = 0;
    QString name, objectName;
};

// Adds the frequency axis and draws the frame across the whole height of the
// value axis, already on the chart; returns the frequency axis. The
// estimated range is shaded, or the span given.
QValueAxis* frequencyAxis(QChart& chart, const std::vector<nec::FrequencyPoint>& sweep, const nec::QuadDesign& design,
                          QValueAxis* valueAxis);
QValueAxis* frequencyAxis(QChart& chart, const std::vector<nec::FrequencyPoint>& sweep, const nec::QuadDesign& design,
                          QValueAxis* valueAxis, const ShadedSpan& shaded);

}  // namespace loopbeam
