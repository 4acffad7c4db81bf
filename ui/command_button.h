#pragma once

#include <QPushButton>

namespace loopbeam::ui {

// A command button that Return and Enter press while it has the focus, as
// Space does. It is nobody's default button: elsewhere Return does nothing.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace loopbeam::ui
