#pragma once

namespace loopbeam::ui {

// The windows name "MS Sans Serif", "Terminal" and "Comic Sans MS", which
// Linux desktops lack: map them to the nearest fonts Debian provides.
void installFontSubstitutions();

}  // namespace loopbeam::ui
