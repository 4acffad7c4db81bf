#include "design/design_types.h"

#include "design/tables.h"

namespace loopbeam {

void selectStandardHighGain(DesignState& state, std::int16_t elementCount) {
    const auto directors = static_cast<std::int16_t>(elementCount - 2);
    state.dirCount = static_cast<float>(directors);
    if (const auto constants = standardHighGainConstants(state.dirCount)) {
        state.dirConst = constants->dirConst;
        state.refConst = constants->refConst;
    }
}

void selectSpecial4or8(DesignState& state) {
    state.dirConst = kSpecial4or8.dirConst;
    state.refConst = kSpecial4or8.refConst;
}

void selectDoubleReflector(DesignState& state) {
    state.dirConst = kDoubleReflector.dirConst;
    state.refConst = kDoubleReflector.refConst;
}

void selectDesignType(DesignState& state, DesignType type, std::int16_t elementCount) {
    switch (type) {
        case DesignType::StandardHighGain: selectStandardHighGain(state, elementCount); break;
        case DesignType::DoubleReflector: selectDoubleReflector(state); break;
        case DesignType::Special4or8: selectSpecial4or8(state); break;
    }
}

}  // namespace loopbeam
