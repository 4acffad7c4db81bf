#pragma once

#include <QRadioButton>

namespace loopbeam::ui {

// An option button whose caption wraps onto further lines when its control
// is tall enough, as a two-line-high option shows a long caption.
class WrappingOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace loopbeam::ui
