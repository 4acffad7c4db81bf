#include "necwindow/opening_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/x11_desktop.h"

namespace loopbeam {
namespace {

// The largest rectangle, up to `preferred`, with a corner on the screen's
// corner (right: the right edge; bottom: the bottom edge) that meets none of
// keepClear. Its width is tried at each edge of a rectangle in the way.
std::optional<QRect> cornerPlace(const QRect& screen, const std::vector<QRect>& keepClear, const QSize& minimum,
                                 const QSize& preferred, bool right, bool bottom) {
    std::vector<int> widths{std::min(preferred.width(), screen.width())};
    for (const QRect& r : keepClear) widths.push_back(right ? screen.right() - r.right() : r.left() - screen.left());
    std::optional<QRect> best;
    for (const int wanted : widths) {
        const int width = std::min(wanted, widths.front());
        if (width < minimum.width()) continue;
        const int x = right ? screen.right() + 1 - width : screen.left();
        int height = std::min(preferred.height(), screen.height());
        for (const QRect& r : keepClear) {
            if (r.right() < x || r.left() >= x + width) continue;  // beside the column taken
            height = std::min(height, bottom ? screen.bottom() - r.bottom() : r.top() - screen.top());
        }
        if (height < minimum.height()) continue;
        const QRect place(x, bottom ? screen.bottom() + 1 - height : screen.top(), width, height);
        if (!best || place.width() * place.height() > best->width() * best->height()) best = place;
    }
    return best;
}

}  // namespace

OpeningPlace openingPlace(const QRect& screen, const QRect& mainFrame, const std::vector<QRect>& keepClear,
                          const QSize& minimum, const QSize& preferred) {
    const int height = std::max(minimum.height(), std::min(preferred.height(), screen.height()));
    const int left = mainFrame.left() - screen.left();
    const int right = screen.right() - mainFrame.right();
    const int room = std::max(left, right);
    if (room >= minimum.width() && screen.intersects(mainFrame)) {
        const int width = std::min(preferred.width(), room);
        const int x = right >= left ? mainFrame.right() + 1 : mainFrame.left() - width;
        const int y = std::clamp(mainFrame.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - height));
        return {QSize(width, height), QPoint(x, y)};
    }
    // The right first: there the main window shows least that is read back.
    for (const bool atRight : {true, false}) {
        std::optional<QRect> best;
        for (const bool atBottom : {true, false})
            if (const auto place = cornerPlace(screen, keepClear, minimum, preferred, atRight, atBottom))
                if (!best || place->width() * place->height() > best->width() * best->height()) best = place;
        if (best) return {best->size(), best->topLeft()};
    }
    return {QSize(std::max(minimum.width(), std::min(preferred.width(), screen.width())), height), std::nullopt};
}

void openBeside(QWidget& window, const MainWindowFrame& main, const QSize& preferred) {
    QMargins frame = ui::frameExtents(window);
    if (frame.isNull() && main.margins) frame = main.margins();
    const OpeningPlace place = openingPlace(window.screen()->availableGeometry(), main.frame(),
                                            main.keepInView ? main.keepInView() : std::vector<QRect>{},
                                            window.minimumSizeHint().grownBy(frame), preferred.grownBy(frame));
    const QSize inside = place.size.shrunkBy(frame);
    if (!place.topLeft) {
        window.resize(inside);
        return;
    }
    // The client's place, as the frame around it will leave it.
    window.setGeometry(QRect(*place.topLeft + QPoint(frame.left(), frame.top()), inside));
}

}  // namespace loopbeam
