#pragma once
// A word-wrapped label needs more lines as its window narrows, but Qt sets a
// window's minimum size from the lines it needs at a width of Qt's choosing;
// narrower, the layout takes the missing lines from its neighbours. Each
// wrapped label in the window reserves the lines it needs at the width it
// has now: call it whenever the layout has run. A label in a scroll area
// gets its lines from the area.

class QWidget;

namespace loopbeam::ui {

void reserveWrappedLines(QWidget& window);

}  // namespace loopbeam::ui
