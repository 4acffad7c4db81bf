#include "necwindow/charts/impedance_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "necwindow/charts/chart_parts.h"
#include "necwindow/charts/frequency_axis.h"

namespace loopbeam {

using namespace chart_parts;

QChart* impedanceChart(const nec::CheckResult& result, const nec::QuadDesign& design) {
    QChart* chart = lineChart();
    QLineSeries* resistance = lineSeries(QStringLiteral("R (ohms)"), QStringLiteral("resistance"));
    QLineSeries* reactance = lineSeries(QStringLiteral("X (ohms)"), QStringLiteral("reactance"));
    double low = 0, high = 0;
    for (const nec::FrequencyPoint& p : result.sweep) {
        resistance->append(p.mhz, p.feedImpedance.real());
        reactance->append(p.mhz, p.feedImpedance.imag());
        low = std::min({low, p.feedImpedance.real(), p.feedImpedance.imag()});
        high = std::max({high, p.feedImpedance.real(), p.feedImpedance.imag()});
    }
    QValueAxis* y = roundAxis(QStringLiteral("Feed impedance, ohms"), low, high, Ends::OnTicks, Qt::AlignLeft, *chart);
    QValueAxis* x = frequencyAxis(*chart, result, design, y);
    QLineSeries* zero = lineSeries(QStringLiteral("X = 0"), QStringLiteral("zeroReactance"));
    *zero << QPointF(result.sweep.front().mhz, 0) << QPointF(result.sweep.back().mhz, 0);
    zero->setPen(QPen(Qt::gray, 1));
    resistance->setPen(QPen(QColor(0, 110, 0), 2));
    reactance->setPen(QPen(QColor(140, 0, 160), 2));
    for (QLineSeries* line : {zero, resistance, reactance}) attach(*chart, line, x, y);
    leaveOutOfLegend(*chart, zero);
    return chart;
}

}  // namespace loopbeam
