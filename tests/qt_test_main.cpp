// Window tests run without a display unless one is asked for.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdio>

#include "ui/font_substitutions.h"

namespace {

// The offscreen platform warns about window operations it cannot do; noise here.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietOffscreenWarnings);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    loopbeam::ui::installFontSubstitutions();
    return RUN_ALL_TESTS();
}
