#include "nec/model/design_input.h"

#include "common/text_forms.h"
#include "design/frequency_lock.h"

namespace loopbeam::nec {

QuadDesign quadDesignOf(const CalculatedDesign& design) {
    const EstimatedRange range = estimatedRange(design.freq);
    return {design.freq,
            design.wireDia,
            evenLayout(design.elementCount, design.refLen, design.drvLen, design.dirLen, design.spacing),
            range.lower,
            range.upper,
            {nameOf(design), "designed by loopbeam " LOOPBEAM_VERSION}};
}

std::vector<std::string> designNotes(const CalculatedDesign& design) {
    std::vector<std::string> notes;
    const std::string type(captionOf(design.type));
    if (design.type == DesignType::StandardHighGain && design.typeElementCount != design.elementCount)
        notes.push_back(type + ": the constants are those of " + integerText(design.typeElementCount) +
                        " elements, the count when the type was clicked.");
    if (design.type == DesignType::DoubleReflector)
        notes.push_back(type + ": one reflector is sized, and one is modelled.");
    return notes;
}

}  // namespace loopbeam::nec
