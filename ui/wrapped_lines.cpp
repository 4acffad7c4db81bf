#include "ui/wrapped_lines.h"

#include <QLabel>
#include <QScrollArea>

namespace loopbeam::ui {
namespace {

// A scroll area lays out its page at the height its width asks for, and
// resizes it after the window's layout has run: a reservation made here
// would keep the lines of a width the page no longer has.
bool inScrollArea(const QWidget& widget) {
    for (const QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const QScrollArea*>(parent)) return true;
    return false;
}

}  // namespace

void reserveWrappedLines(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        // A hidden label has no width of its own yet; it reserves once shown.
        if (!label->wordWrap() || !label->isVisible() || inScrollArea(*label)) continue;
        const int needed = label->heightForWidth(label->width());
        if (needed > 0 && needed != label->minimumHeight()) label->setMinimumHeight(needed);
    }
}

}  // namespace loopbeam::ui
