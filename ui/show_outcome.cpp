#include "ui/show_outcome.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextEdit>

namespace loopbeam::ui {

void setBoxText(QWidget& box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        line->setText(text);
        line->setCursorPosition(0);  // show the beginning of a text longer than the box
    } else if (auto* edit = qobject_cast<QTextEdit*>(&box)) {
        edit->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const auto alignment = static_cast<Qt::Alignment>(edit->property("alignment").toInt());
        QTextCursor all(edit->document());
        all.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setAlignment(alignment);
        if (const int pixels = edit->property("linePixels").toInt(); pixels > 0)
            format.setLineHeight(pixels, QTextBlockFormat::FixedHeight);
        all.mergeBlockFormat(format);
    } else if (auto* label = qobject_cast<QLabel*>(&box)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&box)) {
        button->setText(text);
    }
}

QString boxText(const QWidget& box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(&box)) return line->text();
    if (const auto* label = qobject_cast<const QLabel*>(&box)) return label->text();
    return {};
}

void showProblem(QWidget& window, std::string_view operation, const QString& message) {
    QMessageBox box(QMessageBox::Warning, toQString(operation), message, QMessageBox::Ok, &window);
    box.setObjectName(QStringLiteral("problem"));
    box.setTextFormat(Qt::PlainText);                        // a file's name in it is never markup
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // an address in it can be copied
    box.exec();
    window.activateWindow();  // some window managers give the focus elsewhere when the box goes
}

}  // namespace loopbeam::ui
