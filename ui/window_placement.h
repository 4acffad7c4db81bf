#pragma once

class QWidget;

namespace loopbeam::ui {

// Shows the window with its frame, as the window manager draws it, centred
// on the whole screen.
void showCentredOnScreen(QWidget& window);

}  // namespace loopbeam::ui
