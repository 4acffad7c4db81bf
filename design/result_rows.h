#pragma once
// The six stored lengths, in the order the results are written, with the
// two boxes each is shown in and the name of the quantity.

#include <array>
#include <string_view>

#include "design/boxes.h"
#include "design/design_state.h"

namespace loopbeam {

struct LengthRow {
    float DesignState::*length;  // feet
    MainBox wholeBox;            // whole feet or whole metres
    MainBox fractionBox;         // inches or centimetres
    std::string_view caption;
};

inline constexpr std::array<LengthRow, 6> kLengthRows{{
    {&DesignState::dirLen, MainBox::Text14, MainBox::Text21, "Directors"},
    {&DesignState::drvLen, MainBox::Text15, MainBox::Text22, "Driven element"},
    {&DesignState::refLen, MainBox::Text16, MainBox::Text23, "Reflector"},
    {&DesignState::spacing, MainBox::Text17, MainBox::Text24, "Element spacing"},
    {&DesignState::boomLen, MainBox::Text18, MainBox::Text25, "Boom length"},
    {&DesignState::holeSpacing, MainBox::Text19, MainBox::Text26, "Spreader hole spacing"},
}};

inline constexpr MainBox kWholeHeadingBox = MainBox::Text20;
inline constexpr MainBox kFractionHeadingBox = MainBox::Text27;

}  // namespace loopbeam
