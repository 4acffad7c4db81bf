#pragma once
// What a window does with what a handler gave back: write the texts into its
// boxes, or show the refusal.

#include <QString>
#include <string_view>

#include "common/outcome.h"
#include "ui/controls.h"

class QWidget;

namespace loopbeam::ui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Sets a control's text (the text of a multi-line box is its lines).
void setBoxText(QWidget& box, const QString& text);

// A modal message box owned by the window, titled with the operation.
void showProblem(QWidget& window, std::string_view operation, const QString& message);

// Writes the texts, in the given order, or shows the refusal and writes
// nothing. True when written.
template <class Box, std::size_t N>
bool showOutcome(QWidget& window, std::string_view operation, const Outcome<BoxTexts<Box>>& outcome,
                 const BoxWidgets<Box, N>& boxes) {
    if (!outcome) {
        showProblem(window, operation, toQString(outcome.error().message));
        return false;
    }
    for (const BoxText<Box>& text : *outcome) setBoxText(boxes[text.box], toQString(text.text));
    return true;
}

}  // namespace loopbeam::ui
