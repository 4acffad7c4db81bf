#pragma once
// Where the check window opens: beside the main window, so that both stay in
// view, where the screen has room for it there.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace loopbeam {

struct OpeningPlace {
    QSize size;                     // with the frame
    std::optional<QPoint> topLeft;  // of the frame; none: where the window manager puts it
};

// On the side of the main window's frame with more room, when the minimum
// fits there: as wide as that side allows up to the preferred width, as high
// as the screen allows up to the preferred height. Otherwise the preferred
// size, no larger than the screen. Every size includes the frame.
OpeningPlace openingPlace(const QRect& screen, const QRect& mainFrame, const QSize& minimum, const QSize& preferred);

}  // namespace loopbeam
