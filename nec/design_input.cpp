#include "nec/design_input.h"

#include "design/frequency_lock.h"

namespace loopbeam::nec {

QuadDesign quadDesignOf(const CalculatedDesign& design) {
    const EstimatedRange range = estimatedRange(design.freq);
    return {design.freq,    design.elementCount,
            design.wireDia, design.dirLen,
            design.drvLen,  design.refLen,
            design.spacing, range.lower,
            range.upper,    {nameOf(design), "designed by loopbeam " LOOPBEAM_VERSION}};
}

}  // namespace loopbeam::nec
