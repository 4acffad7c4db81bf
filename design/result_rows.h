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
    std::string_view word;  // as the command line's JSON names it
};

inline constexpr std::array<LengthRow, 6> kLengthRows{{
    {&DesignState::dirLen, MainBox::Text14, MainBox::Text21, "Directors", "directors"},
    {&DesignState::drvLen, MainBox::Text15, MainBox::Text22, "Driven element", "driven"},
    {&DesignState::refLen, MainBox::Text16, MainBox::Text23, "Reflector", "reflector"},
    {&DesignState::spacing, MainBox::Text17, MainBox::Text24, "Element spacing", "spacing"},
    {&DesignState::boomLen, MainBox::Text18, MainBox::Text25, "Boom length", "boom"},
    {&DesignState::holeSpacing, MainBox::Text19, MainBox::Text26, "Spreader hole spacing", "spreader_hole_spacing"},
}};

inline constexpr MainBox kWholeHeadingBox = MainBox::Text20;
inline constexpr MainBox kFractionHeadingBox = MainBox::Text27;

}  // namespace loopbeam
