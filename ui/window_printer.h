#pragma once
// PRINT: the image of a window's client area, or of one part of a window,
// as it looks now, on one page.

#include <QString>
#include <optional>
#include <string_view>

#include "design/captions.h"

class QPainter;
class QPixmap;
class QPrinter;
class QSizeF;
class QWidget;

namespace loopbeam::ui {

// The image on a page of that size (in the painter's pixels), as large as it
// fits keeping its proportions, centred at the top.
void drawOnPage(const QPixmap& image, QPainter& painter, const QSizeF& page);

// Prints on the given printer, scaled to fit the printable area keeping its
// proportions, centred at the top. Gives the problem when it cannot; button
// is what the user pressed, to press again.
std::optional<QString> printWindowImage(QWidget& window, QPrinter& printer, std::string_view button = captions::kPrint);

// Prints on the system's default printer without a dialog; a missing printer
// or a failed job is told to the user in a message owned by the window.
void printOnDefaultPrinter(QWidget& window, std::string_view button = captions::kPrint);

}  // namespace loopbeam::ui
