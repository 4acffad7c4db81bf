#include "necwindow/charts/azimuth_chart.h"

#include <QPen>
#include <QValueAxis>
#include <cmath>

#include "nec/check/pattern_figures.h"
#include "necwindow/charts/chart_parts.h"
#include "necwindow/charts/pattern_chart.h"

namespace loopbeam {

QWidget* azimuthPage(const nec::CheckResult& result, const nec::QuadDesign& design, const QString& whose) {
    std::vector<QPointF> gains;
    for (const nec::PatternPoint& p : result.azimuthPattern) gains.emplace_back(p.azimuthDegrees, p.gainDbi);
    if (gains.back().x() < 360) gains.emplace_back(360, gains.front().y());  // the closing line

    auto* angle = new QValueAxis;
    angle->setRange(0, 360);
    angle->setTickCount(13);
    angle->setLabelsVisible(false);  // the rim says them, in degrees as the elevation's does
    PatternChart chart(angle, gains);
    std::vector<PolarLabel> rim;
    for (int azimuth = 0; azimuth < 360; azimuth += 30) rim.push_back({degreesText(azimuth), double(azimuth)});
    chart.labelRim(rim);

    const nec::CheckSummary& s = result.summary;
    QString beamwidth = QStringLiteral("the gain never falls 3 dB round the forward lobe");
    if (const auto lobe = nec::forwardLobe(result.azimuthPattern)) {
        const QPen dashed(Qt::darkGray, 1, Qt::DashLine);
        chart.addRadial(std::fmod(lobe->fromDegrees + 360, 360), dashed);
        chart.addRadial(std::fmod(lobe->toDegrees + 360, 360), dashed);
        beamwidth = QStringLiteral("-3 dB beamwidth %1\u00B0 (dashed)").arg(lobe->width(), 0, 'f', 0);
    }
    const QString caption =
        QStringLiteral(
            "Azimuth at %1 MHz and %2\u00B0 elevation, forward at the top: %3, front-to-back %4 dB. "
            "Rings every 10 dB below the peak of %5 dBi.")
            .arg(chart_parts::lockedText(design))
            .arg(s.elevationDegrees, 0, 'f', 0)
            .arg(beamwidth)
            .arg(s.frontToBackAtLockedDb, 0, 'f', 1)
            .arg(chart.peakDbi(), 0, 'f', 2);
    return chart.page(captioned(whose, caption), QStringLiteral("azimuthChart"), QStringLiteral("Azimuth pattern"));
}

}  // namespace loopbeam
