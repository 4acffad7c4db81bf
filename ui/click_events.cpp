#include "ui/click_events.h"

#include <QMouseEvent>
#include <QWidget>

namespace loopbeam::ui {
namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget& control, std::function<void()> handler)
        : QObject(&control), control_(control), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &control_ && event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && control_.rect().contains(mouse->position().toPoint())) handler_();
        }
        return false;
    }

private:
    QWidget& control_;
    std::function<void()> handler_;
};

}  // namespace

void onClick(QWidget& control, std::function<void()> handler) {
    control.installEventFilter(new ClickFilter(control, std::move(handler)));
}

}  // namespace loopbeam::ui
