#pragma once
// PRINT: the image of a window's client area, as it looks now, on one page.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace loopbeam::ui {

// Prints on the given printer, scaled to fit the printable area keeping its
// proportions, centred at the top. Gives the problem when it cannot.
std::optional<QString> printWindowImage(QWidget& window, QPrinter& printer);

// Prints on the system's default printer without a dialog; a missing printer
// or a failed job is told to the user in a message owned by the window.
void printOnDefaultPrinter(QWidget& window);

}  // namespace loopbeam::ui
