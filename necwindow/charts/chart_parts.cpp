#include "necwindow/charts/chart_parts.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

#include "common/round_ticks.h"
#include "common/text_forms.h"
#include "ui/show_outcome.h"

namespace loopbeam::chart_parts {
namespace {

// The room a tick's label needs along its axis.
constexpr double kPixelsPerTickAcross = 70;
constexpr double kPixelsPerTickDown = 28;
constexpr int kTicksBeforeLayout = 7;

void setTicks(QValueAxis& axis, int maxTicks) {
    const RoundTicks ticks = roundTicks(axis.min(), axis.max(), std::max(2, maxTicks));
    axis.setTickAnchor(ticks.first);
    axis.setTickInterval(ticks.step);
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(ticks.decimals));
}

}  // namespace

nec::MeasuredSweep measuredWithin(const nec::MeasuredSweep* measured, const nec::CheckResult& check) {
    nec::MeasuredSweep within;
    if (!measured || check.sweep.empty()) return within;
    for (const nec::MeasuredPoint& p : *measured)
        if (p.mhz >= check.sweep.front().mhz && p.mhz <= check.sweep.back().mhz) within.push_back(p);
    return within;
}

std::vector<Drawn> drawnChecks(const nec::CheckResult& calculated, const nec::CheckResult* tuned) {
    if (!tuned) return {{&calculated, {}, {}, Qt::SolidLine}};
    return {{&calculated, QStringLiteral("calculated"), {}, Qt::DashLine},
            {tuned, QStringLiteral("tuned"), QStringLiteral("Tuned"), Qt::SolidLine}};
}

QString lockedText(const nec::QuadDesign& design) {
    return ui::toQString(singleText(static_cast<float>(design.lockedMHz)).view());
}

QChartView* chartView(QChart* chart, const QString& objectName, const QString& accessibleName, QChartView* view) {
    // A view made without a chart makes one of its own, which setChart would
    // let go of unowned: the view is made with its chart where it can be.
    if (!view) {
        view = new QChartView(chart);
    } else if (view->chart() != chart) {
        const std::unique_ptr<QChart> own(view->chart());
        view->setChart(chart);
    }
    view->setObjectName(objectName);
    view->setAccessibleName(accessibleName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kMinimumChartSize);
    return view;
}

QChart* lineChart() {
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->legend()->setAlignment(Qt::AlignRight);  // one entry a line: none cut short
    return chart;
}

QLineSeries* lineSeries(const QString& name, const QString& objectName) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setObjectName(objectName);
    return line;
}

QValueAxis* roundAxis(const QString& title, double low, double high, Ends ends, Qt::Alignment side, QChart& chart) {
    if (ends == Ends::OnTicks) {
        const double step = roundTicks(low, high, kTicksBeforeLayout).step;
        low = std::floor(low / step) * step;
        high = std::ceil(high / step) * step;
    }
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    setTicks(*axis, kTicksBeforeLayout);
    chart.addAxis(axis, side);
    const bool across = side & (Qt::AlignTop | Qt::AlignBottom);
    QObject::connect(&chart, &QChart::plotAreaChanged, axis, [axis, across](const QRectF& area) {
        setTicks(*axis,
                 static_cast<int>(across ? area.width() / kPixelsPerTickAcross : area.height() / kPixelsPerTickDown));
    });
    return axis;
}

void attach(QChart& chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void leaveOutOfLegend(QChart& chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
}

}  // namespace loopbeam::chart_parts
