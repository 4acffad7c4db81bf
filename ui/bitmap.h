#pragma once

#include <QImage>
#include <QString>

namespace loopbeam::ui {

// Reads one of the program's own Windows bitmaps (uncompressed, 4-bit with a
// palette or 24-bit). Qt's general image reader would load every image
// format plugin at start-up to find the one it already has built in.
// A null image when the file is not such a bitmap.
QImage readBitmap(const QString& path);

}  // namespace loopbeam::ui
