#pragma once
// The elevation pattern at the locked frequency in the vertical plane through
// the boom, ahead to the right: over ground its upper half with the take-off
// angle marked, in free space the whole circle.

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

class QString;
class QWidget;

namespace loopbeam {

// whose: the design's name in the caption when it is not the calculated one alone.
QWidget* elevationPage(const nec::CheckResult& result, const nec::QuadDesign& design, const nec::CheckOptions& options,
                       const QString& whose);

}  // namespace loopbeam
