#include "ui/window_texts.h"

#include <QMessageBox>
#include <QWidget>

#include "ui/control_builder.h"

namespace loopbeam::ui {

void showTexts(QWidget& window, const BoxTexts& texts) {
    for (const BoxText& text : texts) {
        if (QWidget* box = window.findChild<QWidget*>(toQString(text.box), Qt::FindDirectChildrenOnly))
            setBoxText(*box, toQString(text.text));
    }
}

void showProblem(QWidget& window, const QString& operation, const QString& message) {
    QMessageBox box(QMessageBox::Warning, operation, message, QMessageBox::Ok, &window);
    box.setObjectName(QStringLiteral("problem"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // an address in it can be copied
    box.exec();
}

bool showOutcome(QWidget& window, const QString& operation, const Outcome<BoxTexts>& outcome) {
    if (!outcome) {
        showProblem(window, operation, toQString(outcome.error().message));
        return false;
    }
    showTexts(window, *outcome);
    return true;
}

}  // namespace loopbeam::ui
