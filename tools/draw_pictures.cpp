// Draws the matching window's diagram and the web link's pointing-hand
// pointer into resources/. Run it by hand when a picture needs to change:
//   loopbeam-draw-pictures resources

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// The quarter-wave section between the feed line and the driven loop.
QImage matchingDiagram() {
    QImage image(311, 90, QImage::Format_RGB888);
    image.fill(QColor(252, 252, 252));
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);

    const auto cable = [&](int from, int to) {
        p.drawRect(from, 60, to - from, 8);
        p.drawLine(from, 64, to, 64);  // inner conductor
    };
    p.drawText(QRect(4, 44, 126, 12), Qt::AlignCenter, QStringLiteral("50 OHM FEED LINE"));
    cable(4, 128);
    p.fillRect(128, 56, 8, 17, Qt::black);  // the pair of connectors
    p.drawRect(138, 57, 7, 14);
    cable(145, 232);

    // The section's length, connectors to end.
    p.drawText(QRect(140, 6, 100, 12), Qt::AlignCenter, QStringLiteral("75 OHM SERIES"));
    p.drawText(QRect(140, 18, 100, 12), Qt::AlignCenter, QStringLiteral("MATCHING SECTION"));
    p.drawLine(145, 44, 232, 44);
    p.drawLine(145, 38, 145, 50);
    p.drawLine(232, 38, 232, 50);
    p.drawPolygon(QPolygon({{146, 44}, {151, 41}, {151, 47}}));
    p.drawPolygon(QPolygon({{231, 44}, {226, 41}, {226, 47}}));

    // The braid, combed back at the cable's end.
    for (int x = 232; x < 240; x += 2) {
        p.drawLine(x, 59, x + 2, 69);
        p.drawLine(x + 2, 59, x, 69);
    }

    // The driven loop: a square standing on one corner, open at its left corner.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.6));
    const QPointF top(281, 12), right(307, 45), bottom(281, 78);
    const QPointF upperEnd(253, 40), lowerEnd(253, 50);
    p.drawPolyline(QPolygonF({upperEnd, top, right, bottom, lowerEnd}));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(233, 64), upperEnd);  // inner conductor to one wire
    p.drawLine(QPointF(240, 68), lowerEnd);  // braid to the other
    return image;
}

// A white hand with a black outline and the index finger raised, its tip at
// (13, 9); everything else transparent.
QImage pointingHand() {
    QImage hand(32, 32, QImage::Format_ARGB32);
    hand.fill(Qt::transparent);
    const auto white = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) hand.setPixel(x, y, qRgba(255, 255, 255, 255));
    };
    white(13, 10, 14, 22);  // index finger
    white(16, 15, 17, 22);  // middle finger
    white(19, 16, 20, 22);
    white(22, 17, 23, 22);  // little finger
    white(10, 21, 12, 24);  // thumb
    white(11, 23, 23, 27);  // palm
    white(12, 28, 22, 29);  // wrist
    QImage outlined = hand;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (qAlpha(hand.pixel(x, y)) != 0) continue;
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && qAlpha(hand.pixel(nx, ny)) != 0) touches = true;
                }
            if (touches) outlined.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    return outlined;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    const bool saved = matchingDiagram().save(folder.filePath(QStringLiteral("matching.bmp")), "BMP") &&
                       pointingHand().save(folder.filePath(QStringLiteral("hand.png")), "PNG");
    if (!saved) std::fprintf(stderr, "could not write the pictures\n");
    return saved ? 0 : 1;
}
