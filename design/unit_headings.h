#pragma once
// The unit headings over the result columns, and the unit each names, in
// words for a screen reader.

#include <array>
#include <string_view>

namespace loopbeam {

struct UnitHeading {
    std::string_view text;    // as the heading box shows it
    std::string_view spoken;  // the unit of the numbers under it
};

// The main window's headings.
inline constexpr UnitHeading kFeetHeading{"FEET", "whole feet"};
inline constexpr UnitHeading kInchesHeading{"INCHES", "inches"};
inline constexpr UnitHeading kMetresHeading{"METER", "whole metres"};
inline constexpr UnitHeading kCentimetresHeading{"CM", "centimetres"};
// The matching window's after a calculation; it starts with the main window's.
inline constexpr UnitHeading kMatchFeetHeading{"Feet", "whole feet"};
inline constexpr UnitHeading kMatchInchesHeading{"Inches", "inches"};
inline constexpr UnitHeading kMatchMetresHeading{"Meter", "whole metres"};
inline constexpr UnitHeading kMatchCentimetresHeading{"Cm", "centimetres"};

// The unit under a heading; `before` where the heading names none yet.
constexpr std::string_view spokenUnit(std::string_view heading, const UnitHeading& before) {
    constexpr std::array<UnitHeading, 8> kAll{kFeetHeading,        kInchesHeading,          kMetresHeading,
                                              kCentimetresHeading, kMatchFeetHeading,       kMatchInchesHeading,
                                              kMatchMetresHeading, kMatchCentimetresHeading};
    for (const UnitHeading& unit : kAll)
        if (unit.text == heading) return unit.spoken;
    return before.spoken;
}

}  // namespace loopbeam
