#pragma once

#include <span>

#include "ui/control_table.h"
#include "ui/controls.h"

namespace loopbeam::ui {

// Gives the window its name, caption, size, default font and background,
// then creates the controls of the table on it at their places, sets the tab
// order to the table's order and puts every control above the labels and
// pictures it overlaps. Gives the widgets in table order.
Controls buildWindow(QWidget& window, const WindowDesign& design, std::span<const ControlSpec> specs);

// Puts every control's text back to the table's, as when the window is loaded.
void restoreTexts(const Controls& controls, std::span<const ControlSpec> specs);

}  // namespace loopbeam::ui
