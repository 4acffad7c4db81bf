#pragma once
// A chart as a file: a PNG of its pixels as shown, or an SVG document of the
// chart's size that holds it drawn at four times the screen's resolution.

#include <QByteArray>
#include <QString>

class QWidget;

namespace loopbeam::chart_parts {

QByteArray pngOf(QWidget& chart);
QByteArray svgOf(QWidget& chart, const QString& title);

}  // namespace loopbeam::chart_parts
