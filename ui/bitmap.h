#pragma once

#include <QImage>
#include <QString>

namespace loopbeam::ui {

// Reads one of the program's own Windows bitmaps; a null image when the file
// is not one.
QImage readBitmap(const QString& path);

}  // namespace loopbeam::ui
