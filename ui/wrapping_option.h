#pragma once

#include <QRadioButton>

namespace loopbeam::ui {

// An option button whose caption wraps onto further lines when its control
// is tall enough, as a two-line-high option shows a long caption.
//
// chosen() says that its option is chosen: whenever it becomes selected,
// however that happens (a click, the arrow keys, an assistive technology's
// Toggle), and when it is clicked while already selected.
class WrappingOption : public QRadioButton {
    Q_OBJECT

public:
    explicit WrappingOption(QWidget* parent);

signals:
    void chosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;

private:
    bool clicking_ = false;
};

}  // namespace loopbeam::ui
