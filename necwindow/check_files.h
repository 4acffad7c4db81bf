#pragma once
// Saving what the check window shows: the deck, the sweep as CSV and as
// Touchstone, each through a file dialog that suggests a name from the design.

#include <QString>
#include <functional>
#include <iosfwd>

#include "design/calculated_design.h"

class QWidget;

namespace loopbeam {

// "quad-14.2MHz-3el-awg14-standard-high-gain.nec"
QString suggestedFileName(const CalculatedDesign& design, const QString& extension);

// Asks where, then writes; a file that cannot be written is told in a message
// box owned by the window. False when nothing was saved.
bool saveThroughDialog(QWidget& window, const QString& title, const QString& suggested, const QString& filter,
                       const std::function<void(std::ostream&)>& write);

// The deck of the design as the check models it by default.
void saveDeckThroughDialog(QWidget& window, const CalculatedDesign& design);

}  // namespace loopbeam
