#include "necwindow/print_through_dialog.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <ostream>

#include "necwindow/check_files.h"
#include "ui/show_outcome.h"
#include "ui/window_printer.h"

namespace loopbeam {
namespace {

constexpr int kPdfDotsPerInch = 300;

// A PDF of one page, in memory: the save then replaces its file whole.
QByteArray pdfOf(const QPixmap& image, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("loopbeam"));
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)));
        QPainter painter(&pdf);
        ui::drawOnPage(image, painter, pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    }
    return buffer.data();
}

}  // namespace

std::optional<QString> printThroughDialog(QWidget& window, QWidget& content, const PrintJob& job) {
    // Printers are looked up only now, never at start-up.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QPixmap image = content.grab();
        return saveThroughDialog(window, QStringLiteral("No printer is set up: save a PDF file"), job.suggestedFile,
                                 QStringLiteral("PDF files (*.pdf)"), [&](std::ostream& out) {
                                     const QByteArray pdf = pdfOf(image, job.docName);
                                     out.write(pdf.constData(), pdf.size());
                                 });
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.docName);
    QPrintDialog dialog(&printer, &window);
    dialog.setWindowTitle(job.docName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    window.activateWindow();  // some window managers give the focus elsewhere when the dialog goes
    if (!accepted) return std::nullopt;
    if (const auto problem = ui::printWindowImage(content, printer, job.button))
        ui::showProblem(window, job.button, *problem);
    return std::nullopt;
}

}  // namespace loopbeam
