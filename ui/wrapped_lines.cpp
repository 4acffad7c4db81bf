#include "ui/wrapped_lines.h"

#include <QLabel>

namespace loopbeam::ui {

void reserveWrappedLines(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        // A hidden label has no width of its own yet; it reserves once shown.
        if (!label->wordWrap() || !label->isVisible()) continue;
        const int needed = label->heightForWidth(label->width());
        if (needed > 0 && needed != label->minimumHeight()) label->setMinimumHeight(needed);
    }
}

}  // namespace loopbeam::ui
