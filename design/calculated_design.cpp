#include "design/calculated_design.h"

#include "common/text_forms.h"

namespace loopbeam {

CalculatedDesign calculatedDesign(const DesignState& state, DesignType type, std::int16_t typeElementCount,
                                  std::int16_t elementCount) {
    return {state.freq,   elementCount, state.awg,    type,          typeElementCount, state.wireDia,
            state.dirLen, state.drvLen, state.refLen, state.spacing, state.boomLen,    state.holeSpacing};
}

std::string nameOf(const CalculatedDesign& design) {
    return singleText(design.freq).str() + " MHz, " + integerText(design.elementCount) + " elements, AWG " +
           integerText(design.gauge) + ", " + std::string(captionOf(design.type));
}

std::vector<std::string> changesSince(const CalculatedDesign& design, float freq, std::int16_t elementCount,
                                      std::int16_t gauge, std::optional<DesignType> type) {
    std::vector<std::string> changes;
    if (freq != design.freq) changes.push_back("the locked frequency is now " + singleText(freq).str() + " MHz");
    if (elementCount != design.elementCount) changes.push_back("the element count is now " + integerText(elementCount));
    if (gauge != design.gauge) changes.push_back("the gauge is now AWG " + integerText(gauge));
    if (type && *type != design.type) changes.push_back("the design type is now " + std::string(captionOf(*type)));
    return changes;
}

}  // namespace loopbeam
