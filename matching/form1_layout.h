#pragma once
// The matching window's design and its controls in tab order.

#include <array>

#include "design/boxes.h"
#include "design/captions.h"
#include "design/unit_headings.h"
#include "ui/control_table.h"

namespace loopbeam {
namespace form1_layout {

using namespace ui;

inline constexpr FontSpec kNote{"MS Sans Serif", 12, true, true};
inline constexpr FontSpec kResult{"MS Sans Serif", 13.5};

constexpr ControlSpec box(MatchingBox which, std::string_view text, Twips place, FontSpec font, unsigned flags) {
    return {factsOf(which).name, Kind::TextBox, text, place, font, kSystem, kGrey, flags, factsOf(which).maxLength};
}

// A table: one control a row, kept as written.
// clang-format off
inline constexpr std::array<ControlSpec, 12> kControls{{
    {"Text1", Kind::TextBox,
     "By design, quads have an impedance as low as 40 ohms in free space.\r\n"
     "This design uses a more realistic value that considers a reasonable\r\n"
     "height above ground and a more forgiving design formula.\r\n",
     {120, 120, 9855, 1095}, kNote, kSystem, kGrey, kMultiLine | kCentred},
    {"Text2", Kind::TextBox,
     "This design requires between 90 and 120 ohms which can\r\n"
     "be matched with a 1/4 wave 75 ohm serial section of coax.\r\n",
     {120, 1320, 9855, 855}, kNote, kRed, kGrey, kMultiLine | kCentred},
    {"Command1", Kind::Button, captions::kMatchFeetInches, {4920, 2400, 2415, 375}, kDefaultFont, kSystem, kSystem},
    {"List1", Kind::ListBox, {}, {120, 2280, 2295, 1620}, kDefaultFont, kSystem, kGrey, 0, 0, 0, "Coax cable"},
    box(MatchingBox::Text3, "", {8040, 2760, 735, 495}, kResult, kFramed),
    box(MatchingBox::Text4, "", {9000, 2760, 975, 495}, kResult, kFramed),
    {"Text5", Kind::TextBox, "< SELECT YOUR COAX", {2520, 2760, 2175, 375}, kDefaultFont, kSystem, kGrey},
    box(MatchingBox::Text6, kFeetHeading.text, {8040, 2400, 735, 285}, kDefaultFont, kFramed | kCentred),
    box(MatchingBox::Text7, kInchesHeading.text, {9000, 2400, 975, 285}, kDefaultFont, kFramed | kCentred),
    {"Picture1", Kind::Picture, {}, {3000, 3960, 4695, 1455}, kDefaultFont, kSystem, kGrey},
    {"Command2", Kind::Button, captions::kMatchMetric, {4920, 2880, 2415, 375}, kDefaultFont, kSystem, kSystem},
    {"Command3", Kind::Button, captions::kPrint, {8280, 4200, 1335, 615}, kDefaultFont, kSystem, kSystem},
}};
// clang-format on

inline constexpr WindowDesign kDesign{"Form1", "QUAD MATCHING", {0, 0, 10170, 5925}, kGrey};

// The row of a control, found while compiling.
consteval std::size_t row(std::string_view name) { return rowOf(kControls, name); }

}  // namespace form1_layout
}  // namespace loopbeam
