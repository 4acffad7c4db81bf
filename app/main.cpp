// loopbeam: the desktop calculator. The main window is the start-up window;
// the design state lives here for the life of the process.

#include <QApplication>

#include "app/display_check.h"
#include "app/signal_quit.h"
#include "design/design_state.h"
#include "mainwindow/tarnwell.h"
#include "ui/font_substitutions.h"
#include "ui/window_placement.h"

int main(int argc, char** argv) {
    loopbeam::requireGraphicalDesktop();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("loopbeam"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.loopbeam.loopbeam"));
    loopbeam::ui::installFontSubstitutions();
    loopbeam::quitOnEndingSignals(app);

    loopbeam::DesignState state;
    loopbeam::TARNWELL window(state);
    loopbeam::ui::showCentredOnScreen(window);
    return app.exec();
}
