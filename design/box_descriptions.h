#pragma once
// What each box the handlers write holds, in words for a screen reader: the
// quantity and its unit, which follows the unit headings shown now.

#include <string>
#include <string_view>

#include "design/boxes.h"
#include "design/result_rows.h"

namespace loopbeam {

// The boxes of a window that head its two unit columns.
template <class Box>
struct UnitHeadingBoxes;
template <>
struct UnitHeadingBoxes<MainBox> {
    static constexpr MainBox whole = kWholeHeadingBox, fraction = kFractionHeadingBox;
};
template <>
struct UnitHeadingBoxes<MatchingBox> {
    static constexpr MatchingBox whole = MatchingBox::Text6, fraction = MatchingBox::Text7;
};

std::string describeBox(MainBox box, std::string_view wholeHeading, std::string_view fractionHeading);
std::string describeBox(MatchingBox box, std::string_view wholeHeading, std::string_view fractionHeading);

}  // namespace loopbeam
