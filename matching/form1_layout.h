#pragma once

#include <span>

#include "ui/control_table.h"

namespace loopbeam {

// The matching window's controls in tab order.
std::span<const ui::ControlSpec> form1Controls();

inline const ui::WindowDesign kForm1Design{"Form1", "QUAD MATCHING", {0, 0, 10170, 5925}, ui::kGrey};

}  // namespace loopbeam
