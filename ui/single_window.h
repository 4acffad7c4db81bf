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
            placeAsNewWindow();
        }
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    Window* get() const { return window_.get(); }

private:
    // Forgets where the user left the window: a new native window, without a
    // position of its own, is placed by the window manager as a new window.
    void placeAsNewWindow() {
        window_->setAttribute(Qt::WA_Moved, false);
        window_->setWindowFlags(window_->windowFlags());
    }

    std::function<std::unique_ptr<Window>()> create_;
    std::unique_ptr<Window> window_;
};

}  // namespace loopbeam::ui
