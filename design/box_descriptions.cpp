#include "design/box_descriptions.h"

#include "design/result_rows.h"
#include "design/unit_headings.h"

namespace loopbeam {
namespace {

std::string str(std::string_view text) { return std::string(text); }

constexpr std::string_view kWholeColumn = "Unit of the whole-number column";
constexpr std::string_view kFractionColumn = "Unit of the fraction column";

}  // namespace

std::string describeBox(MainBox box, std::string_view wholeHeading, std::string_view fractionHeading) {
    for (const LengthRow& row : kLengthRows) {
        if (box == row.wholeBox) return str(row.caption) + ", " + str(spokenUnit(wholeHeading, kFeetHeading));
        if (box == row.fractionBox) return str(row.caption) + ", " + str(spokenUnit(fractionHeading, kInchesHeading));
    }
    switch (box) {
        case MainBox::Label1: return "Locked centre frequency, MHz";
        case MainBox::Text9: return "Lower edge of the estimated usable range, MHz";
        case MainBox::Text10: return "Upper edge of the estimated usable range, MHz";
        case MainBox::freqtxt: return "Centre frequency in MHz";
        case kWholeHeadingBox: return str(kWholeColumn);
        case kFractionHeadingBox: return str(kFractionColumn);
        default: return {};
    }
}

std::string describeBox(MatchingBox box, std::string_view wholeHeading, std::string_view fractionHeading) {
    switch (box) {
        case MatchingBox::Text3: return "Quarter-wave matching section, " + str(spokenUnit(wholeHeading, kFeetHeading));
        case MatchingBox::Text4:
            return "Quarter-wave matching section, " + str(spokenUnit(fractionHeading, kInchesHeading));
        case UnitHeadingBoxes<MatchingBox>::whole: return str(kWholeColumn);
        case UnitHeadingBoxes<MatchingBox>::fraction: return str(kFractionColumn);
    }
    return {};
}

}  // namespace loopbeam
