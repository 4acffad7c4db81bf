#pragma once

#include <span>

#include "ui/control_spec.h"

namespace loopbeam {

// The main window's controls in tab order; the picture comes last, it takes no focus.
std::span<const ui::ControlSpec> tarnwellControls();

inline constexpr ui::Twips kTarnwellClientArea{0, 0, 10695, 6705};

}  // namespace loopbeam
