#pragma once
// What a window does with what a handler gave back: write the texts into the
// named boxes, or show the refusal.

#include <QString>

#include "common/outcome.h"

class QWidget;

namespace loopbeam::ui {

// Writes each text into the child control of that name, in the given order.
void showTexts(QWidget& window, const BoxTexts& texts);

// A modal message box owned by the window, titled with the operation.
void showProblem(QWidget& window, const QString& operation, const QString& message);

// Writes the texts, or shows the refusal and writes nothing. True when written.
bool showOutcome(QWidget& window, const QString& operation, const Outcome<BoxTexts>& outcome);

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace loopbeam::ui
