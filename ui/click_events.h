#pragma once

#include <functional>

class QWidget;

namespace loopbeam::ui {

// Runs the handler on each click in a control that has no click signal of
// its own (a text box, a label): a left button released inside it.
void onClick(QWidget& control, std::function<void()> handler);

}  // namespace loopbeam::ui
