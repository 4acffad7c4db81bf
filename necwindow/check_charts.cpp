#include "necwindow/check_charts.h"

#include <QAreaSeries>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QPolarChart>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace loopbeam {
namespace {

constexpr double kSwrCeiling = 5;       // above this the curve leaves the chart: the antenna is far off
constexpr double kPatternDepthDb = 30;  // the polar plot's centre lies this far below the peak

QLineSeries* series(const QString& name, const QString& objectName) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setObjectName(objectName);
    return line;
}

QValueAxis* axis(const QString& title, double low, double high, Qt::Alignment side, QChart& chart) {
    auto* value = new QValueAxis;
    value->setTitleText(title);
    value->setRange(low, high);
    chart.addAxis(value, side);
    return value;
}

void attach(QChart& chart, QAbstractSeries* line, QValueAxis* x, QValueAxis* y) {
    chart.addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
}

QLineSeries* level(double swr, double fromMHz, double toMHz) {
    QLineSeries* line = series(QStringLiteral("SWR %1").arg(swr), QStringLiteral("level%1").arg(swr));
    line->append(fromMHz, swr);
    line->append(toMHz, swr);
    line->setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    return line;
}

// The legend draws each line as the line it stands for, dashes included.
QChart* lineChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    return chart;
}

}  // namespace

QChart* swrChart(const nec::CheckResult& result, double estimatedLowMHz, double estimatedHighMHz) {
    QChart* chart = lineChart(QStringLiteral("SWR on 50 ohms"));
    const double first = result.sweep.front().mhz, last = result.sweep.back().mhz;
    QValueAxis* x = axis(QStringLiteral("MHz"), first, last, Qt::AlignBottom, *chart);
    QValueAxis* y = axis(QStringLiteral("SWR"), 1, kSwrCeiling, Qt::AlignLeft, *chart);

    auto* estimatedTop = new QLineSeries(chart);
    auto* estimatedBottom = new QLineSeries(chart);
    *estimatedTop << QPointF(estimatedLowMHz, kSwrCeiling) << QPointF(estimatedHighMHz, kSwrCeiling);
    *estimatedBottom << QPointF(estimatedLowMHz, 1) << QPointF(estimatedHighMHz, 1);
    auto* estimated = new QAreaSeries(estimatedTop, estimatedBottom);
    estimated->setName(QStringLiteral("Estimated range"));
    estimated->setObjectName(QStringLiteral("estimatedRange"));
    estimated->setColor(QColor(255, 200, 0, 60));
    estimated->setBorderColor(QColor(255, 160, 0));
    attach(*chart, estimated, x, y);

    QLineSeries* section = series(QStringLiteral("Through the 75-ohm section"), QStringLiteral("swrSection"));
    QLineSeries* direct = series(QStringLiteral("Fed directly"), QStringLiteral("swrDirect"));
    for (const nec::FrequencyPoint& p : result.sweep) {
        section->append(p.mhz, std::min(p.swrThroughSection, kSwrCeiling));
        direct->append(p.mhz, std::min(p.swrDirect, kSwrCeiling));
    }
    section->setPen(QPen(QColor(0, 0, 255), 2));
    direct->setPen(QPen(QColor(200, 0, 0), 1.5));
    for (QLineSeries* line : {section, direct, level(1.5, first, last), level(2, first, last)})
        attach(*chart, line, x, y);
    return chart;
}

QChart* impedanceChart(const nec::CheckResult& result) {
    QChart* chart = lineChart(QStringLiteral("Feed impedance"));
    QLineSeries* resistance = series(QStringLiteral("R (ohms)"), QStringLiteral("resistance"));
    QLineSeries* reactance = series(QStringLiteral("X (ohms)"), QStringLiteral("reactance"));
    double low = 0, high = 0;
    for (const nec::FrequencyPoint& p : result.sweep) {
        resistance->append(p.mhz, p.feedImpedance.real());
        reactance->append(p.mhz, p.feedImpedance.imag());
        low = std::min({low, p.feedImpedance.real(), p.feedImpedance.imag()});
        high = std::max({high, p.feedImpedance.real(), p.feedImpedance.imag()});
    }
    QValueAxis* x =
        axis(QStringLiteral("MHz"), result.sweep.front().mhz, result.sweep.back().mhz, Qt::AlignBottom, *chart);
    QValueAxis* y = axis(QStringLiteral("ohms"), low, high, Qt::AlignLeft, *chart);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    attach(*chart, resistance, x, y);
    attach(*chart, reactance, x, y);
    return chart;
}

QPolarChart* patternChart(const nec::CheckResult& result) {
    auto* chart = new QPolarChart;
    chart->setTitle(QStringLiteral("Azimuth pattern at the locked frequency (dBi)"));
    double peak = -1e9;
    for (const nec::PatternPoint& p : result.azimuthPattern) peak = std::max(peak, p.gainDbi);
    const double top = std::ceil(peak / 5) * 5;  // rings every 5 dB
    const double centre = top - kPatternDepthDb;
    QLineSeries* gain = series(QStringLiteral("Gain"), QStringLiteral("pattern"));
    for (const nec::PatternPoint& p : result.azimuthPattern)
        gain->append(p.azimuthDegrees, std::max(p.gainDbi, centre));
    if (!result.azimuthPattern.empty() && result.azimuthPattern.back().azimuthDegrees < 360)
        gain->append(360, std::max(result.azimuthPattern.front().gainDbi, centre));  // the closing line
    gain->setPen(QPen(QColor(0, 0, 255), 2));

    auto* angle = new QValueAxis;
    angle->setRange(0, 360);
    angle->setTickCount(13);
    angle->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(angle, QPolarChart::PolarOrientationAngular);
    auto* radius = new QValueAxis;
    radius->setRange(centre, top);
    radius->setTickCount(static_cast<int>(kPatternDepthDb / 5) + 1);
    radius->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(radius, QPolarChart::PolarOrientationRadial);
    chart->addSeries(gain);
    gain->attachAxis(angle);
    gain->attachAxis(radius);
    chart->legend()->hide();
    return chart;
}

}  // namespace loopbeam
