#include "ui/bitmap.h"

#include <QImageReader>

namespace loopbeam::ui {

QImage readBitmap(const QString& path) {
    // Named and not guessed, the format is read by Qt's built-in BMP handler;
    // the image format plugins are listed but none is loaded.
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace loopbeam::ui
