#pragma once
// What a window does with what a handler gave back: write the texts into its
// boxes, or show the refusal.

#include <QString>
#include <string_view>

#include "design/box_descriptions.h"
#include "design/box_texts.h"
#include "design/messages.h"
#include "ui/controls.h"

class QWidget;

namespace loopbeam::ui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Sets a control's text (the text of a multi-line box is its lines).
void setBoxText(QWidget& box, const QString& text);

// The text a box holds now.
QString boxText(const QWidget& box);

// A modal message box owned by the window, titled with the operation.
void showProblem(QWidget& window, std::string_view operation, const QString& message);

// Names every box for a screen reader: what it holds, in the unit the
// headings show now.
template <class Box, std::size_t N>
void describeBoxes(const BoxWidgets<Box, N>& boxes) {
    const std::string whole = boxText(boxes[UnitHeadingBoxes<Box>::whole]).toStdString();
    const std::string fraction = boxText(boxes[UnitHeadingBoxes<Box>::fraction]).toStdString();
    for (std::size_t i = 0; i < N; ++i) {
        const auto box = static_cast<Box>(i);
        boxes[box].setAccessibleName(toQString(describeBox(box, whole, fraction)));
    }
}

// Writes the texts, in the given order, and names the boxes again for the
// headings written; or shows the refusal and writes nothing. True when written.
template <class Box, std::size_t N>
bool showOutcome(QWidget& window, std::string_view operation, const Outcome<BoxTexts<Box>>& outcome,
                 const BoxWidgets<Box, N>& boxes) {
    if (!outcome) {
        showProblem(window, operation, toQString(messages::forWindow(outcome.error())));
        return false;
    }
    for (const BoxText<Box>& text : *outcome) setBoxText(boxes[text.box], toQString(text.text));
    describeBoxes(boxes);
    return true;
}

}  // namespace loopbeam::ui
