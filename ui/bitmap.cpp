#include "ui/bitmap.h"

#include <QFile>
#include <QtEndian>

namespace loopbeam::ui {
namespace {

template <class T>
T field(const QByteArray& data, qsizetype offset) {
    return qFromLittleEndian<T>(data.constData() + offset);
}

}  // namespace

QImage readBitmap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    if (data.size() < 54 || !data.startsWith("BM") || field<quint32>(data, 30) != 0) return {};  // uncompressed only
    const auto pixelsAt = field<quint32>(data, 10);
    const auto headerSize = field<quint32>(data, 14);
    const auto width = field<qint32>(data, 18);
    const auto height = field<qint32>(data, 22);
    const auto bits = field<quint16>(data, 28);
    if (width <= 0 || height == 0 || (bits != 4 && bits != 24)) return {};
    const int rows = height < 0 ? -height : height;  // a positive height stores the bottom row first
    const qsizetype rowBytes = (qsizetype(width) * bits + 31) / 32 * 4;
    if (data.size() < qsizetype(pixelsAt) + rowBytes * rows) return {};
    if (bits == 4 && 14 + headerSize + 16 * 4 > pixelsAt) return {};  // the palette lies before the pixels

    QImage image(width, rows, QImage::Format_RGB32);
    const auto* palette = reinterpret_cast<const uchar*>(data.constData()) + 14 + headerSize;  // blue, green, red, 0
    for (int y = 0; y < rows; ++y) {
        const auto* row =
            reinterpret_cast<const uchar*>(data.constData()) + pixelsAt + rowBytes * (height > 0 ? rows - 1 - y : y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uchar* bgr = bits == 24 ? row + 3 * x : palette + 4 * ((row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0f);
            out[x] = qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    return image;
}

}  // namespace loopbeam::ui
