#include "necwindow/charts/swr_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

#include "nec/check/feed_match.h"
#include "necwindow/charts/frequency_axis.h"

namespace loopbeam {

using namespace chart_parts;

namespace {

constexpr double kSwrChartTop = 5;  // above it the antenna is far off; below it a design is decided

// An SWR with nothing delivered is drawn far above the top, where it leaves the chart at once.
double drawn(double swr) { return std::isfinite(swr) ? swr : 1e6; }

QLineSeries* level(double swr, Qt::PenStyle style, const QColor& colour, double fromMHz, double toMHz) {
    QLineSeries* line = lineSeries(QStringLiteral("SWR %1").arg(swr), QStringLiteral("level%1").arg(swr));
    *line << QPointF(fromMHz, swr) << QPointF(toMHz, swr);
    line->setPen(QPen(colour, 1.5, style));
    return line;
}

// Where the curve crosses the top between two points of the sweep. A curve
// that starts or ends above it does not leave it there: the frame cuts it.
void markLeavingTheTop(QScatterSeries& marks, const std::vector<nec::FrequencyPoint>& sweep,
                       double nec::FrequencyPoint::*swr) {
    const auto above = [&](std::size_t i) { return drawn(sweep[i].*swr) > kSwrChartTop; };
    for (std::size_t i = 0; i + 1 < sweep.size(); ++i) {
        if (above(i) == above(i + 1)) continue;
        const double v0 = drawn(sweep[i].*swr), v1 = drawn(sweep[i + 1].*swr);
        const double f0 = sweep[i].mhz, f1 = sweep[i + 1].mhz;
        marks.append(f0 + (kSwrChartTop - v0) * (f1 - f0) / (v1 - v0), kSwrChartTop);
    }
}

}  // namespace

QChart* swrChart(const std::vector<Drawn>& checks, const nec::QuadDesign& design, const nec::MeasuredSweep* measured) {
    QChart* chart = lineChart();
    QValueAxis* y = roundAxis(QStringLiteral("SWR on 50 ohms"), 1, kSwrChartTop, Ends::AsGiven, Qt::AlignLeft, *chart);
    const std::vector<nec::FrequencyPoint>& sweep = checks.front().result->sweep;
    QValueAxis* x = frequencyAxis(*chart, sweep, design, y);

    auto* leaving = new QScatterSeries;
    leaving->setName(QStringLiteral("Leaves the top"));
    leaving->setObjectName(QStringLiteral("offTheChart"));
    leaving->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    leaving->setMarkerSize(9);
    leaving->setColor(Qt::black);
    leaving->setBorderColor(Qt::black);

    std::vector<QAbstractSeries*> series;
    for (const Drawn& check : checks) {
        QLineSeries* section = lineSeries(check.named(QStringLiteral("Via 75-ohm section")),
                                          check.objectName(QStringLiteral("swrSection")));
        QLineSeries* direct =
            lineSeries(check.named(QStringLiteral("Fed directly")), check.objectName(QStringLiteral("swrDirect")));
        for (const nec::FrequencyPoint& p : check.result->sweep) {
            section->append(p.mhz, drawn(p.swrThroughSection));
            direct->append(p.mhz, drawn(p.swrDirect));
        }
        section->setPen(QPen(kThroughSection, 2, check.style));
        direct->setPen(QPen(kDirect, 1.5, check.style));
        markLeavingTheTop(*leaving, check.result->sweep, &nec::FrequencyPoint::swrThroughSection);
        markLeavingTheTop(*leaving, check.result->sweep, &nec::FrequencyPoint::swrDirect);
        series.insert(series.end(), {section, direct});
    }
    const nec::MeasuredSweep within = measuredWithin(measured, *checks.front().result);
    if (!within.empty()) {
        QLineSeries* swrMeasured = lineSeries(QStringLiteral("Measured"), QStringLiteral("swrMeasured"));
        for (const nec::MeasuredPoint& p : within) swrMeasured->append(p.mhz, std::min(nec::swr(p.impedance), 1e6));
        swrMeasured->setPen(QPen(kMeasured, 2));
        series.push_back(swrMeasured);
    }
    const double first = sweep.front().mhz, last = sweep.back().mhz;
    series.insert(series.end(),
                  {level(1.5, Qt::DashLine, kSwr1_5, first, last), level(2, Qt::DotLine, kSwr2, first, last), leaving});
    for (QAbstractSeries* s : series) attach(*chart, s, x, y);
    if (leaving->count() == 0) leaveOutOfLegend(*chart, leaving);
    return chart;
}

}  // namespace loopbeam
