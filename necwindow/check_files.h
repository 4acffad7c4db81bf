#pragma once
// Saving what the check window shows: the deck, the sweep as CSV and as
// Touchstone, each through a file dialog that suggests a name from the design.

#include <QString>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "design/calculated_design.h"
#include "nec/model/nec_model.h"
#include "nec/model/quad_design.h"

class QWidget;

namespace loopbeam {

// Asks where, then writes a file (never a FIFO or device, which would hold
// the window until a reader came); a file that cannot be written is told in a
// message box owned by the window. The path written, if any.
std::optional<QString> saveThroughDialog(QWidget& window, const QString& title, const QString& suggested,
                                         const QString& filter, const std::function<void(std::ostream&)>& write);

// The model's deck for NEC-2 programs, offered as stem.nec; its pattern at the
// elevation of the check's figures, where there are any.
std::optional<QString> saveModelThroughDialog(QWidget& window, const QString& title, const std::string& stem,
                                              const nec::NecModel& model, std::optional<double> figuresElevation);

// The deck of the design as the check models it with these options, offered
// as "quad-14.2MHz-3el-awg14-standard-high-gain-freespace-square.nec".
std::optional<QString> saveDeckThroughDialog(QWidget& window, const QString& title, const CalculatedDesign& design,
                                             const nec::CheckOptions& options = {});

}  // namespace loopbeam
