#pragma once
// Where the check window opens: beside the main window, so that both stay in
// view, where the screen has room for it there; otherwise over the main
// window's part that shows nothing the user reads back, clear of its boxes.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace loopbeam {

struct OpeningPlace {
    QSize size;                     // with the frame
    std::optional<QPoint> topLeft;  // of the frame; none: where the window manager puts it
};

// On the side of the main window's frame with more room, when the minimum
// fits there: as wide as that side allows up to the preferred width, as high
// as the screen allows up to the preferred height. Otherwise in a corner of
// the screen, clear of every rectangle of keepClear (the main window's boxes
// that must stay in view), as large as the corner allows up to the preferred
// size, a right corner before a left one; where no corner takes the minimum, the preferred size, no larger than
// the screen. Every size includes the frame.
OpeningPlace openingPlace(const QRect& screen, const QRect& mainFrame, const std::vector<QRect>& keepClear,
                          const QSize& minimum, const QSize& preferred);

// What a window opened beside the main window reads of it.
struct MainWindowFrame {
    std::function<QRect()> frame;
    std::function<std::vector<QRect>()> keepInView;  // may be empty
    // The main window's frame margins: a new window's own, where the window manager tells them only
    // once it is shown, are taken to be alike.
    std::function<QMargins()> margins;  // may be empty
};

// Places the window, not yet shown, by openingPlace on its screen.
void openBeside(QWidget& window, const MainWindowFrame& main, const QSize& preferred);

}  // namespace loopbeam
