#pragma once
// The azimuth pattern at the locked frequency, forward at the top, with its
// -3 dB beamwidth marked and printed beside the front-to-back ratio.

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

class QString;
class QWidget;

namespace loopbeam {

// whose: the design's name in the caption when it is not the calculated one alone.
QWidget* azimuthPage(const nec::CheckResult& result, const nec::QuadDesign& design, const QString& whose);

}  // namespace loopbeam
