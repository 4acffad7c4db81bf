#pragma once

#include <QScrollBar>

namespace loopbeam::ui {

// A vertical scroll bar that shows when it has the keyboard focus, with a
// focus frame around its thumb: its arrow keys move it.
class FocusScrollBar : public QScrollBar {
public:
    explicit FocusScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace loopbeam::ui
