#pragma once
// How the main window reaches the check and the several bands' window: its context menu's entries and their
// shortcuts (free in the window, in its boxes and in common window managers),
// and what they say before there is a design to check.

#include <QKeySequence>
#include <QString>

#include "design/captions.h"
#include "ui/show_outcome.h"

namespace loopbeam::check_entries {

inline QString checkCaption() { return QStringLiteral("Check with NEC-2..."); }
inline QString saveDeckCaption() { return QStringLiteral("Save NEC-2 deck..."); }
inline QString severalBandsCaption() { return QStringLiteral("Several bands..."); }
inline QKeySequence checkShortcut() { return QKeySequence(QStringLiteral("Ctrl+Shift+N")); }
inline QKeySequence saveDeckShortcut() { return QKeySequence(QStringLiteral("Ctrl+Shift+D")); }
inline QKeySequence severalBandsShortcut() { return QKeySequence(QStringLiteral("Ctrl+Shift+B")); }

inline QString noDesignYet() {
    return QStringLiteral(
               "There is no calculated design to check yet. Lock a centre frequency, choose a design type and press "
               "%1, then check again.")
        .arg(ui::toQString(captions::kCalculateFeetInches));
}

}  // namespace loopbeam::check_entries
