#pragma once
// The six stored lengths and the two result boxes each is shown in, in the
// order the results are written.

#include <array>
#include <string_view>

#include "design/design_state.h"

namespace loopbeam {

struct LengthRow {
    float DesignState::*length;    // feet
    std::string_view wholeBox;     // whole feet or whole metres
    std::string_view fractionBox;  // inches or centimetres
};

inline constexpr std::array<LengthRow, 6> kLengthRows{{
    {&DesignState::dirLen, "Text14", "Text21"},
    {&DesignState::drvLen, "Text15", "Text22"},
    {&DesignState::refLen, "Text16", "Text23"},
    {&DesignState::spacing, "Text17", "Text24"},
    {&DesignState::boomLen, "Text18", "Text25"},
    {&DesignState::holeSpacing, "Text19", "Text26"},
}};

inline constexpr std::string_view kWholeHeadingBox = "Text20";
inline constexpr std::string_view kFractionHeadingBox = "Text27";

}  // namespace loopbeam
