#pragma once
// What a window manager reads from a window's X11 properties, where Qt
// offers no way to say it. Each does nothing on a platform other than X11.

#include <QMargins>

class QWidget;

namespace loopbeam::ui {

// Empties WM_NAME and _NET_WM_NAME, which Qt fills with the application's
// name when the title is empty. The window must be created (winId()).
void clearTitleProperties(QWidget& window);

// Keeps the window out of the task bar, or lets it in again.
void keepOutOfTaskbar(QWidget& window, bool out);

// The frame the window manager will put around the window (left, top,
// right, bottom), asked for before the window is shown; none when the window
// manager does not say within a moment.
QMargins frameExtents(QWidget& window);

}  // namespace loopbeam::ui
