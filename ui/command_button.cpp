#include "ui/command_button.h"

#include <QKeyEvent>

namespace loopbeam::ui {

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool noModifier = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (noModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace loopbeam::ui
