#pragma once

#include <QAccessibleWidget>

class QTextCursor;
class QTextEdit;

namespace loopbeam::ui {

// What assistive technologies see of a multi-line box that never scrolls (a
// caption box): its name, its text, and no parts. Qt's own view of a text
// box also lists its viewport and its two scroll bars, which such a box keeps
// switched off, as unnamed controls.
class CaptionBoxAccess : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CaptionBoxAccess(QTextEdit* box);

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int* start, int* end) const override;

private:
    QTextEdit& box() const;
    QTextCursor cursorAt(int offset) const;
};

}  // namespace loopbeam::ui
