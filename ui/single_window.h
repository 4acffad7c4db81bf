#pragma once
// One instance of a window class for the whole process: created on first
// use, brought forward with its contents while open, and loaded anew from its
// design when shown again after the user closed it.

#include <QWidget>
#include <functional>
#include <memory>

namespace loopbeam::ui {

template <class Window>
class SingleWindow {
public:
    explicit SingleWindow(std::function<std::unique_ptr<Window>()> create) : create_(std::move(create)) {}

    void show() {
        if (!window_) {
            window_ = create_();
        } else if (!window_->isVisible()) {
            window_->reload();
        }
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    Window* get() const { return window_.get(); }

private:
    std::function<std::unique_ptr<Window>()> create_;
    std::unique_ptr<Window> window_;
};

}  // namespace loopbeam::ui
