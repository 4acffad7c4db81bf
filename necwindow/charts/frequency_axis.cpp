#include "necwindow/charts/frequency_axis.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "necwindow/charts/chart_parts.h"

namespace loopbeam {

using namespace chart_parts;

QValueAxis* frequencyAxis(QChart& chart, const std::vector<nec::FrequencyPoint>& sweep, const nec::QuadDesign& design,
                          QValueAxis* valueAxis) {
    return frequencyAxis(chart, sweep, design, valueAxis,
                         {design.estimatedLowMHz, design.estimatedHighMHz, QStringLiteral("Estimated range"),
                          QStringLiteral("estimatedRange")});
}

QValueAxis* frequencyAxis(QChart& chart, const std::vector<nec::FrequencyPoint>& sweep, const nec::QuadDesign& design,
                          QValueAxis* valueAxis, const ShadedSpan& shaded) {
    const double first = sweep.front().mhz, last = sweep.back().mhz;
    QValueAxis* x = roundAxis(QStringLiteral("MHz"), first, last, Ends::AsGiven, Qt::AlignBottom, chart);
    const double bottom = valueAxis->min(), top = valueAxis->max();

    auto* estimatedTop = new QLineSeries(&chart);
    auto* estimatedBottom = new QLineSeries(&chart);
    *estimatedTop << QPointF(shaded.lowMHz, top) << QPointF(shaded.highMHz, top);
    *estimatedBottom << QPointF(shaded.lowMHz, bottom) << QPointF(shaded.highMHz, bottom);
    auto* estimated = new QAreaSeries(estimatedTop, estimatedBottom);
    estimated->setName(shaded.name);
    estimated->setObjectName(shaded.objectName);
    estimated->setColor(kEstimatedFill);
    estimated->setBorderColor(kEstimatedBorder);
    attach(chart, estimated, x, valueAxis);
    // The legend draws the band as it looks on the white plot.
    for (QLegendMarker* marker : chart.legend()->markers(estimated)) {
        marker->setShape(QLegend::MarkerShapeRectangle);
        marker->setBrush(QColor(255, 242, 195));
        marker->setPen(QPen(kEstimatedBorder, 1));
    }

    QLineSeries* line =
        lineSeries(QStringLiteral("Locked %1 MHz").arg(lockedText(design)), QStringLiteral("lockedFrequency"));
    *line << QPointF(design.lockedMHz, bottom) << QPointF(design.lockedMHz, top);
    line->setPen(QPen(kLocked, 1));
    attach(chart, line, x, valueAxis);
    return x;
}

}  // namespace loopbeam
