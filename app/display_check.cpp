#include "app/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace loopbeam {
namespace {

constexpr int kNoDesktopStatus = 2;

[[noreturn]] void sayNoDesktop(const char* detail) {
    std::fprintf(stderr,
                 "loopbeam needs a graphical desktop (an X11 or Wayland display) and %s.\n"
                 "Start it from your desktop session, or set DISPLAY to a running X server.\n",
                 detail);
    std::_Exit(kNoDesktopStatus);
}

QtMessageHandler previousHandler = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg &&
        (message.contains(QLatin1String("platform plugin")) || message.contains(QLatin1String("connect to display"))))
        sayNoDesktop("cannot reach the one it was given");
    previousHandler(type, context, message);
}

}  // namespace

void requireGraphicalDesktop() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        sayNoDesktop("found none");
    previousHandler = qInstallMessageHandler(handleMessage);
}

}  // namespace loopbeam
