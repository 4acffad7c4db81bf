#include "necwindow/charts/elevation_chart.h"

#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "nec/check/pattern_figures.h"
#include "nec/choice_table.h"
#include "nec/model/nec_model.h"
#include "nec/model/soil.h"
#include "necwindow/charts/chart_parts.h"
#include "necwindow/charts/pattern_chart.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

// The polar chart's angle runs clockwise from its top: straight up there
// (-90), ahead to the right (0), behind to the left (180), down at the bottom (90).
constexpr double kTop = -90;

double chartAngle(double elevationDegrees) {
    const double angle = -elevationDegrees;
    return angle < kTop ? angle + 360 : angle;
}

}  // namespace

QWidget* elevationPage(const nec::CheckResult& result, const nec::QuadDesign& design, const nec::CheckOptions& options,
                       const QString& whose) {
    std::vector<QPointF> gains;
    for (const nec::ElevationPoint& p : result.elevationPattern)
        gains.emplace_back(chartAngle(p.elevationDegrees), p.gainDbi);
    std::sort(gains.begin(), gains.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    gains.emplace_back(kTop + 360, gains.front().y());  // the closing line, straight up again

    auto* angle = new QValueAxis;
    angle->setRange(kTop, kTop + 360);
    angle->setTickCount(13);
    angle->setLabelsVisible(false);  // its values are not elevations: the rim says those
    PatternChart chart(angle, gains);
    std::vector<PolarLabel> rim;
    // Over ground the upper half-plane; in free space the whole circle, below the horizon negative.
    for (double elevation = options.boomHeightMetres ? 0 : -150; elevation <= 180; elevation += 30)
        rim.push_back({degreesText(elevation), chartAngle(elevation)});
    chart.labelRim(rim);
    if (options.boomHeightMetres) chart.showUpperHalf();

    const double takeOff = result.summary.elevationDegrees;
    chart.addRadial(chartAngle(takeOff), QPen(QColor(0, 130, 0), 1.5));
    QString lobeText = QStringLiteral("the gain never falls 3 dB round that lobe");
    if (const auto lobe = nec::lobeAt(result.elevationPattern, takeOff)) {
        const QPen dashed(Qt::darkGray, 1, Qt::DashLine);
        chart.addRadial(chartAngle(lobe->fromDegrees), dashed);
        chart.addRadial(chartAngle(lobe->toDegrees), dashed);
        lobeText = QStringLiteral("-3 dB from %1 to %2 (dashed)")
                       .arg(degreesText(lobe->fromDegrees), degreesText(lobe->toDegrees));
    }
    const QString where =
        options.boomHeightMetres
            ? QStringLiteral("over %1, the boom %2 high: take-off angle %3 (green)")
                  .arg(ui::toQString(nec::rowOf(nec::kSoils, options.soil).name),
                       ui::toQString(nec::boomHeightText(*options.boomHeightMetres)), degreesText(takeOff))
            : QStringLiteral("in free space: most gain ahead at %1 (green)").arg(degreesText(takeOff));
    const QString caption =
        QStringLiteral(
            "Elevation in the vertical plane through the boom at %1 MHz, ahead to the right, %2, %3. "
            "Rings every 10 dB below the peak of %4 dBi.")
            .arg(chart_parts::lockedText(design), where, lobeText)
            .arg(chart.peakDbi(), 0, 'f', 2);
    return chart.page(captioned(whose, caption), QStringLiteral("elevationChart"), QStringLiteral("Elevation pattern"));
}

}  // namespace loopbeam
