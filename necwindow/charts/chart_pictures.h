#pragma once
// A chart as a file: a PNG of its pixels as shown, or an SVG drawing that
// stays sharp at any size.

#include <QByteArray>
#include <QString>

class QWidget;

namespace loopbeam::chart_parts {

QByteArray pngOf(QWidget& chart);
QByteArray svgOf(QWidget& chart, const QString& title);

}  // namespace loopbeam::chart_parts
