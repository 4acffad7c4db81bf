#include "ui/focus_scroll_bar.h"

#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QStylePainter>

namespace loopbeam::ui {

void FocusScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStyleOptionSlider bar;
    initStyleOption(&bar);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.state |= QStyle::State_KeyboardFocusChange;  // shown however the focus came
    focus.rect = style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace loopbeam::ui
