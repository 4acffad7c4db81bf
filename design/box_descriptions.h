#pragma once
// What each box the handlers write holds, in words for a screen reader: the
// quantity and its unit, which follows the unit headings shown now.

#include <string>
#include <string_view>

#include "design/boxes.h"

namespace loopbeam {

std::string describeBox(MainBox box, std::string_view wholeHeading, std::string_view fractionHeading);
std::string describeBox(MatchingBox box, std::string_view wholeHeading, std::string_view fractionHeading);

}  // namespace loopbeam
