#pragma once
// The name a check's saved files take, without the extension: the design,
// then the model it was checked with, so that two models of one design never
// overwrite each other's files.

#include <string>

#include "design/calculated_design.h"
#include "nec/model/quad_design.h"

namespace loopbeam::nec {

// "quad-14.2MHz-3el-awg14-standard-high-gain-ground10m-average-diamond-copper-pvc0.5mm"
std::string checkFileStem(const CalculatedDesign& design, const CheckOptions& options);

}  // namespace loopbeam::nec
