#include "necwindow/charts/chart_pictures.h"

#include <QBuffer>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace loopbeam::chart_parts {

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
    {
        QPainter painter(&svg);
        chart.render(&painter);
    }
    return buffer.data();
}

}  // namespace loopbeam::chart_parts
