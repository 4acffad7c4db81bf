#include "necwindow/charts/gain_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "necwindow/charts/frequency_axis.h"

namespace loopbeam {

using namespace chart_parts;

namespace {

struct Figure {
    QString name, objectName;
    double nec::FrequencyPoint::*value;
    QColor colour;
    bool ratio;  // in dB on the right, not dBi on the left
};

const Figure kFigures[] = {
    {QStringLiteral("Gain (dBi)"), QStringLiteral("gain"), &nec::FrequencyPoint::forwardGainDbi, QColor(0, 0, 200),
     false},
    {QStringLiteral("F/B (dB)"), QStringLiteral("frontToBack"), &nec::FrequencyPoint::frontToBackDb, QColor(0, 130, 0),
     true},
    {QStringLiteral("F/R (dB)"), QStringLiteral("frontToRear"), &nec::FrequencyPoint::frontToRearDb, QColor(200, 0, 0),
     true},
};

}  // namespace

QChart* gainChart(const std::vector<Drawn>& checks, const nec::QuadDesign& design) {
    QChart* chart = lineChart();
    std::vector<std::pair<QLineSeries*, bool>> curves;
    double gainLow = INFINITY, gainHigh = -INFINITY, ratioLow = INFINITY, ratioHigh = -INFINITY;
    for (const Drawn& check : checks)
        for (const Figure& figure : kFigures) {
            QLineSeries* line = lineSeries(check.named(figure.name), check.objectName(figure.objectName));
            double& low = figure.ratio ? ratioLow : gainLow;
            double& high = figure.ratio ? ratioHigh : gainHigh;
            for (const nec::FrequencyPoint& p : check.result->sweep) {
                const double value = p.*figure.value;
                if (!p.solved || std::isnan(value)) continue;  // the fit gives impedances, never patterns
                line->append(p.mhz, value);
                low = std::min(low, value);
                high = std::max(high, value);
            }
            line->setPen(QPen(figure.colour, 2, check.style));
            line->setPointsVisible(true);
            curves.push_back({line, figure.ratio});
        }
    // An axis with one value or none still spans something.
    const auto span = [](double& low, double& high) {
        if (!std::isfinite(low)) low = high = 0;
        if (high - low < 1) {
            low -= 0.5;
            high += 0.5;
        }
    };
    span(gainLow, gainHigh);
    span(ratioLow, ratioHigh);
    QValueAxis* gain =
        roundAxis(QStringLiteral("Forward gain, dBi"), gainLow, gainHigh, Ends::OnTicks, Qt::AlignLeft, *chart);
    QValueAxis* ratio =
        roundAxis(QStringLiteral("F/B and F/R, dB"), ratioLow, ratioHigh, Ends::OnTicks, Qt::AlignRight, *chart);
    const nec::Band& band = checks.front().result->band.band;
    QValueAxis* x = frequencyAxis(*chart, checks.front().result->sweep, design, gain,
                                  {band.lowMHz, band.highMHz, QStringLiteral("Band"), QStringLiteral("band")});
    for (const auto& [line, isRatio] : curves) attach(*chart, line, x, isRatio ? ratio : gain);
    return chart;
}

}  // namespace loopbeam
