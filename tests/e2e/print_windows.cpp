// Presses PRINT on the main window and on the matching window, as a user
// would after a design, so that the real print path reaches the system's
// default printer. Exits non-zero when either press shows a problem.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "mainwindow/tarnwell.h"
#include "ui/font_substitutions.h"

namespace {

int problems = 0;

// Presses the button; a message box it shows is a failure, reported and closed.
void press(QWidget& window, const char* button) {
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "PRINT said: %s\n", qPrintable(box->text()));
            ++problems;
            box->accept();
        }
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    QTest::qWait(10);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loopbeam::ui::installFontSubstitutions();
    loopbeam::DesignState state;
    loopbeam::TARNWELL main(state);
    main.show();
    main.findChild<QLineEdit*>(QStringLiteral("freqtxt"))->setText(QStringLiteral("14.2"));
    press(main, "Command4");
    press(main, "Command6");
    press(main, "Command5");
    press(*main.matchingWindow(), "Command3");
    return problems == 0 ? 0 : 1;
}
