#pragma once
// Printing from the check window with the print dialog, so that the user
// chooses where it goes: the dialog offers the printers set up and a PDF
// file; where none is set up, a file dialog saves a PDF file instead.

#include <QString>
#include <optional>
#include <string_view>

class QWidget;

namespace loopbeam {

struct PrintJob {
    QString docName;        // the print job's and the PDF's title: "loopbeam 14.2 MHz 3 el cut list"
    QString suggestedFile;  // "quad-...-cut-list.pdf", offered where no printer is set up
    std::string_view button;
};

// Prints the image of `content` on one page; a problem is told in a message
// owned by `window`. The PDF file saved instead, if any.
std::optional<QString> printThroughDialog(QWidget& window, QWidget& content, const PrintJob& job);

}  // namespace loopbeam
