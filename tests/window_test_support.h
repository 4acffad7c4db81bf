#pragma once
// Helpers for driving real widgets in tests.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <optional>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace loopbeam::testing {

template <class Widget>
Widget* child(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) ADD_FAILURE() << "no control " << name;
    return widget;
}

inline QString textOf(const QWidget& window, const char* name) {
    QWidget* widget = child<QWidget>(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<QTextEdit*>(widget)) return edit->toPlainText();
    return {};
}

// Every text box's and label's text, by name: what the user sees.
inline QMap<QString, QString> allTexts(const QWidget& window) {
    QMap<QString, QString> texts;
    for (auto* line : window.findChildren<QLineEdit*>()) texts[line->objectName()] = line->text();
    for (auto* label : window.findChildren<QLabel*>()) texts[label->objectName()] = label->text();
    return texts;
}

struct ShownProblem {
    QString title, text;
};

// Runs the action, and closes the message box it shows, if any.
inline std::optional<ShownProblem> problemShownBy(const std::function<void()>& action) {
    std::optional<ShownProblem> shown;
    QTimer watch;  // looks until the box is up: the action may run the event loop before it shows one
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = ShownProblem{box->windowTitle(), box->text()};
            box->accept();
            watch.stop();
        }
    });
    watch.start(0);
    action();
    QTest::qWait(1);
    return shown;
}

inline void typeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

}  // namespace loopbeam::testing
