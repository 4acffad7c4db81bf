#include "necwindow/opening_place.h"

#include <algorithm>

namespace loopbeam {

OpeningPlace openingPlace(const QRect& screen, const QRect& mainFrame, const QSize& minimum, const QSize& preferred) {
    const int height = std::max(minimum.height(), std::min(preferred.height(), screen.height()));
    const int left = mainFrame.left() - screen.left();
    const int right = screen.right() - mainFrame.right();
    const int room = std::max(left, right);
    if (room < minimum.width() || !screen.intersects(mainFrame))
        return {QSize(std::max(minimum.width(), std::min(preferred.width(), screen.width())), height), std::nullopt};
    const int width = std::min(preferred.width(), room);
    const int x = right >= left ? mainFrame.right() + 1 : mainFrame.left() - width;
    const int y = std::clamp(mainFrame.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - height));
    return {QSize(width, height), QPoint(x, y)};
}

}  // namespace loopbeam
