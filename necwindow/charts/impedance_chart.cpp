#include "necwindow/charts/impedance_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "necwindow/charts/frequency_axis.h"

namespace loopbeam {

using namespace chart_parts;

QChart* impedanceChart(const std::vector<Drawn>& checks, const nec::QuadDesign& design,
                       const nec::MeasuredSweep* measured) {
    QChart* chart = lineChart();
    std::vector<QLineSeries*> curves;
    double low = 0, high = 0;
    for (const Drawn& check : checks) {
        QLineSeries* resistance =
            lineSeries(check.named(QStringLiteral("R (ohms)")), check.objectName(QStringLiteral("resistance")));
        QLineSeries* reactance =
            lineSeries(check.named(QStringLiteral("X (ohms)")), check.objectName(QStringLiteral("reactance")));
        for (const nec::FrequencyPoint& p : check.result->sweep) {
            resistance->append(p.mhz, p.feedImpedance.real());
            reactance->append(p.mhz, p.feedImpedance.imag());
            low = std::min({low, p.feedImpedance.real(), p.feedImpedance.imag()});
            high = std::max({high, p.feedImpedance.real(), p.feedImpedance.imag()});
        }
        resistance->setPen(QPen(QColor(0, 110, 0), 2, check.style));
        reactance->setPen(QPen(QColor(140, 0, 160), 2, check.style));
        curves.insert(curves.end(), {resistance, reactance});
    }
    const nec::MeasuredSweep within = measuredWithin(measured, *checks.front().result);
    if (!within.empty()) {
        // On the model's axes: a measurement far off the model runs out of the plot rather than flatten it.
        QLineSeries* resistance = lineSeries(QStringLiteral("R measured (ohms)"), QStringLiteral("resistanceMeasured"));
        QLineSeries* reactance = lineSeries(QStringLiteral("X measured (ohms)"), QStringLiteral("reactanceMeasured"));
        for (const nec::MeasuredPoint& p : within) {
            resistance->append(p.mhz, p.impedance.real());
            reactance->append(p.mhz, p.impedance.imag());
        }
        resistance->setPen(QPen(kMeasured, 2));
        reactance->setPen(QPen(kMeasured, 2, Qt::DashDotLine));
        curves.insert(curves.end(), {resistance, reactance});
    }
    const std::vector<nec::FrequencyPoint>& sweep = checks.front().result->sweep;
    QValueAxis* y = roundAxis(QStringLiteral("Feed impedance, ohms"), low, high, Ends::OnTicks, Qt::AlignLeft, *chart);
    QValueAxis* x = frequencyAxis(*chart, sweep, design, y);
    QLineSeries* zero = lineSeries(QStringLiteral("X = 0"), QStringLiteral("zeroReactance"));
    *zero << QPointF(sweep.front().mhz, 0) << QPointF(sweep.back().mhz, 0);
    zero->setPen(QPen(Qt::gray, 1));
    attach(*chart, zero, x, y);
    for (QLineSeries* line : curves) attach(*chart, line, x, y);
    leaveOutOfLegend(*chart, zero);
    return chart;
}

}  // namespace loopbeam
