#pragma once

namespace loopbeam::ui {

// Installs, once, the program's own views of its widgets for assistive
// technologies (what a screen reader reads on the accessibility bus), where
// Qt's own fall short: a window of a plain widget class is a window, not a
// client area ("filler"); a caption box is its text alone (ui/caption_box_access.h);
// a chart is one named picture, without the parts of its scroll area.
// A window calls it before it makes its controls: Qt keeps the first view it
// makes of a widget for the widget's life.
void installAccessibility();

}  // namespace loopbeam::ui
