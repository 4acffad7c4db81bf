#pragma once

#include <span>

#include "ui/control_table.h"

class QButtonGroup;

namespace loopbeam::ui {

// Gives the window its name, caption, size, default font and background, then
// builds its controls.
void buildWindow(QWidget& window, const WindowDesign& design, std::span<const ControlSpec> specs);

// Creates the controls of the table on the window at their places, sets the
// tab order to the table's order and puts every control above the labels and
// pictures it overlaps.
void buildControls(QWidget& window, std::span<const ControlSpec> specs);

// Puts every control's text back to the table's, as when the window is loaded.
void restoreTexts(QWidget& window, std::span<const ControlSpec> specs);

// Sets a control's text (the text of a multi-line box is its lines).
void setBoxText(QWidget& box, const QString& text);

}  // namespace loopbeam::ui
