#include "ui/window_printer.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "ui/show_outcome.h"

namespace loopbeam::ui {
namespace {

QString printerOf(const QPrinter& printer) {
    return printer.printerName().isEmpty() ? QStringLiteral("the printer") : printer.printerName();
}

}  // namespace

void drawOnPage(const QPixmap& image, QPainter& painter, const QSizeF& page) {
    const QSizeF size = QSizeF(image.size()).scaled(page, Qt::KeepAspectRatio);
    const QRectF target((page.width() - size.width()) / 2, 0, size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image, QRectF(image.rect()));
}

std::optional<QString> printWindowImage(QWidget& window, QPrinter& printer, std::string_view button) {
    // Rendering the widget itself works even when the window is covered or off screen.
    const QPixmap image = window.grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral(
                   "The print job could not be started on %1. Check that the printer is on and ready, then "
                   "press %2 again.")
            .arg(printerOf(printer), toQString(button));
    drawOnPage(image, painter, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral(
                   "The print job failed on %1. Nothing was printed; check the printer, then press %2 again.")
            .arg(printerOf(printer), toQString(button));
    return std::nullopt;
}

void printOnDefaultPrinter(QWidget& window, std::string_view button) {
    // Printers are looked up only now, never at start-up.
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        showProblem(window, button,
                    QStringLiteral("No default printer is set up, so nothing was printed. Add a printer in your "
                                   "desktop's printer settings, make it the default, then press %1 again.")
                        .arg(toQString(button)));
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(window.objectName());
    if (const auto problem = printWindowImage(window, printer, button)) showProblem(window, button, *problem);
}

}  // namespace loopbeam::ui
