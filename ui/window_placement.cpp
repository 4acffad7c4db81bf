#include "ui/window_placement.h"

#include <QScreen>
#include <QWidget>

#include "ui/x11_desktop.h"

namespace loopbeam::ui {

void showCentredOnScreen(QWidget& window) {
    const QMargins frame = frameExtents(window);
    const QRect screen = window.screen()->geometry();
    const QSize outer = window.size().grownBy(frame);
    const QPoint frameTopLeft =
        screen.topLeft() + QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
    window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
    window.show();
}

}  // namespace loopbeam::ui
