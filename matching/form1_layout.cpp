#include "matching/form1_layout.h"

#include <array>

namespace loopbeam {
namespace {

using namespace ui;

constexpr FontSpec kNote{"MS Sans Serif", 12, true, true};
constexpr FontSpec kResult{"MS Sans Serif", 13.5};

// A table: one control a row, kept as written.
// clang-format off
const std::array<ControlSpec, 12> kControls{{
    {"Text1", Kind::TextBox,
     "By design, quads have an impedance as low as 40 ohms in free space.\r\n"
     "This design uses a more realistic value that considers a reasonable\r\n"
     "height above ground and a more forgiving design formula.\r\n",
     {120, 120, 9855, 1095}, kNote, kSystem, kGrey, kMultiLine | kCentred},
    {"Text2", Kind::TextBox,
     "This design requires between 90 and 120 ohms which can\r\n"
     "be matched with a 1/4 wave 75 ohm serial section of coax.\r\n",
     {120, 1320, 9855, 855}, kNote, kRed, kGrey, kMultiLine | kCentred},
    {"Command1", Kind::Button, "CALCULATE FT/INCHES", {4920, 2400, 2415, 375}, kDefaultFont, kSystem, kSystem},
    {"List1", Kind::ListBox, nullptr, {120, 2280, 2295, 1620}, kDefaultFont, kSystem, kGrey},
    {"Text3", Kind::TextBox, "", {8040, 2760, 735, 495}, kResult, kSystem, kGrey, kFramed},
    {"Text4", Kind::TextBox, "", {9000, 2760, 975, 495}, kResult, kSystem, kGrey, kFramed},
    {"Text5", Kind::TextBox, "< SELECT YOUR COAX", {2520, 2760, 2175, 375}, kDefaultFont, kSystem, kGrey},
    {"Text6", Kind::TextBox, "FEET", {8040, 2400, 735, 285}, kDefaultFont, kSystem, kGrey, kFramed | kCentred},
    {"Text7", Kind::TextBox, "INCHES", {9000, 2400, 975, 285}, kDefaultFont, kSystem, kGrey, kFramed | kCentred},
    {"Picture1", Kind::Picture, nullptr, {3000, 3960, 4695, 1455}, kDefaultFont, kSystem, kGrey},
    {"Command2", Kind::Button, "CALCULATE METER/CM", {4920, 2880, 2415, 375}, kDefaultFont, kSystem, kSystem},
    {"Command3", Kind::Button, "PRINT", {8280, 4200, 1335, 615}, kDefaultFont, kSystem, kSystem},
}};
// clang-format on

}  // namespace

std::span<const ui::ControlSpec> form1Controls() { return kControls; }

}  // namespace loopbeam
