#include "necwindow/charts/chart_pictures.h"

#include <QBuffer>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace loopbeam::chart_parts {
namespace {

constexpr int kSvgScale = 4;

}  // namespace

QByteArray pngOf(QWidget& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    chart.grab().save(&buffer, "PNG");
    return buffer.data();
}

QByteArray svgOf(QWidget& chart, const QString& title) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(chart.size());
    svg.setViewBox(chart.rect());
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Drawn by loopbeam"));
    // Qt's SVG generator drops clipping, which the charts draw with (the Smith
    // chart's arcs end at its circle, the SWR curves at the top of the scale):
    // the drawing goes in as a picture of four times the screen's resolution.
    QPixmap drawing(chart.size() * kSvgScale);
    drawing.setDevicePixelRatio(kSvgScale);
    chart.render(&drawing);
    {
        QPainter painter(&svg);
        painter.drawPixmap(chart.rect(), drawing);
    }
    return buffer.data();
}

}  // namespace loopbeam::chart_parts
