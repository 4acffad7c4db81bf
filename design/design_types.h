#pragma once
// The three design-type options: the only writers of the director and
// reflector constants. None can fail and none shows anything.

#include <array>
#include <cstdint>
#include <string_view>

#include "design/design_state.h"

namespace loopbeam {

enum class DesignType : std::uint8_t { StandardHighGain, DoubleReflector, Special4or8 };

struct DesignTypeFacts {
    DesignType type;
    std::string_view caption;
};

// As the options stand in the main window, top to bottom.
inline constexpr std::array<DesignTypeFacts, 3> kDesignTypes{{
    {DesignType::StandardHighGain, "STANDARD HIGH GAIN"},
    {DesignType::DoubleReflector, "DOUBLE REFLECTOR"},
    {DesignType::Special4or8, "SPECIAL 4 OR 8 ELEMENT"},
}};

constexpr std::string_view captionOf(DesignType type) {
    for (const DesignTypeFacts& facts : kDesignTypes)
        if (facts.type == type) return facts.caption;
    return {};
}

// STANDARD HIGH GAIN: the constants follow the element count on the bar now.
void selectStandardHighGain(DesignState& state, std::int16_t elementCount);
// SPECIAL 4 OR 8 ELEMENT: fixed constants; the element count is not read.
void selectSpecial4or8(DesignState& state);
// DOUBLE REFLECTOR: fixed constants; one reflector length only.
void selectDoubleReflector(DesignState& state);

// The click on the option of that type.
void selectDesignType(DesignState& state, DesignType type, std::int16_t elementCount);

// True once any design type has been clicked: every type's constants are non-zero.
inline bool designTypeChosen(const DesignState& state) { return state.dirConst != 0 || state.refConst != 0; }

}  // namespace loopbeam
