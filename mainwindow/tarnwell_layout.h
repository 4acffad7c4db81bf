#pragma once

#include <span>

#include "ui/control_table.h"

namespace loopbeam {

// The main window's controls in tab order; the picture comes last, it takes no focus.
std::span<const ui::ControlSpec> tarnwellControls();

inline const ui::WindowDesign kTarnwellDesign{"TARNWELL", "", {0, 0, 10695, 6705}, ui::kGrey};

}  // namespace loopbeam
