#include "ui/caption_box_access.h"

#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

namespace loopbeam::ui {

CaptionBoxAccess::CaptionBoxAccess(QTextEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QTextEdit& CaptionBoxAccess::box() const { return *static_cast<QTextEdit*>(widget()); }

// Offsets count as the box's text does (UTF-16 units; a line break is one).
QTextCursor CaptionBoxAccess::cursorAt(int offset) const {
    QTextCursor cursor(box().document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return cursor;
}

QAccessible::State CaptionBoxAccess::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box().isReadOnly();
    state.editable = !state.readOnly;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString CaptionBoxAccess::text(QAccessible::Text kind) const {
    return kind == QAccessible::Value ? box().toPlainText() : QAccessibleWidget::text(kind);
}

void* CaptionBoxAccess::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void CaptionBoxAccess::selection(int index, int* start, int* end) const {
    const QTextCursor cursor = box().textCursor();
    const bool selected = index == 0 && cursor.hasSelection();
    *start = selected ? cursor.selectionStart() : 0;
    *end = selected ? cursor.selectionEnd() : 0;
}

int CaptionBoxAccess::selectionCount() const { return box().textCursor().hasSelection() ? 1 : 0; }

// A text box has one selection at most.
void CaptionBoxAccess::addSelection(int start, int end) { setSelection(0, start, end); }

void CaptionBoxAccess::removeSelection(int index) {
    if (index == 0) setCursorPosition(cursorPosition());
}

void CaptionBoxAccess::setSelection(int index, int start, int end) {
    if (index != 0) return;
    QTextCursor cursor = cursorAt(start);
    cursor.setPosition(cursorAt(end).position(), QTextCursor::KeepAnchor);
    box().setTextCursor(cursor);
}

int CaptionBoxAccess::cursorPosition() const { return box().textCursor().position(); }

void CaptionBoxAccess::setCursorPosition(int position) { box().setTextCursor(cursorAt(position)); }

QString CaptionBoxAccess::text(int start, int end) const {
    if (end == -1) end = characterCount();
    return box().toPlainText().mid(start, std::max(end - start, 0));
}

int CaptionBoxAccess::characterCount() const { return static_cast<int>(box().toPlainText().size()); }

QRect CaptionBoxAccess::characterRect(int offset) const {
    const QRect caret = box().cursorRect(cursorAt(offset));
    const int width = box().fontMetrics().horizontalAdvance(text(offset, offset + 1));
    return {box().viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height())};
}

int CaptionBoxAccess::offsetAtPoint(const QPoint& point) const {
    const QPoint inBox = box().viewport()->mapFromGlobal(point);
    return box().viewport()->rect().contains(inBox) ? box().cursorForPosition(inBox).position() : -1;
}

// The box never scrolls: its whole text is in view.
void CaptionBoxAccess::scrollToSubstring(int, int) {}

// Plain text: no attributes anywhere.
QString CaptionBoxAccess::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

}  // namespace loopbeam::ui
