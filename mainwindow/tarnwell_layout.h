#pragma once
// The main window's design and its controls in tab order; the picture comes
// last, it takes no focus.

#include <array>

#include "design/boxes.h"
#include "design/captions.h"
#include "design/design_types.h"
#include "design/selectors.h"
#include "ui/control_table.h"

namespace loopbeam {
namespace tarnwell_layout {

using namespace ui;

inline constexpr QRgb kOrange = qRgb(255, 128, 0);
inline constexpr QRgb kLightYellow = qRgb(255, 255, 128);

inline constexpr FontSpec kTerminal9{"Terminal", 9, true};
inline constexpr FontSpec kTerminal12{"Terminal", 12, true};
inline constexpr FontSpec kTerminal13{"Terminal", 13.5, true};
inline constexpr FontSpec kSans8Bold{"MS Sans Serif", 8.25, true};
inline constexpr FontSpec kSans9{"MS Sans Serif", 9.75};
inline constexpr FontSpec kSans18{"MS Sans Serif", 18};
inline constexpr FontSpec kSans24{"MS Sans Serif", 24};

// A box the core writes: its name and maximum length are the core's.
constexpr ControlSpec box(MainBox which, std::string_view text, Twips place, FontSpec font,
                          std::optional<QRgb> textColour, std::optional<QRgb> background, unsigned flags) {
    return {factsOf(which).name,     Kind::TextBox, text, place, font, textColour, background, flags,
            factsOf(which).maxLength};
}

constexpr ControlSpec resultBox(MainBox which, int left, int top, int width, unsigned flags) {
    return box(which, "", {left, top, width, 285}, kDefaultFont, kBlue, kSystem, kFramed | flags);
}

constexpr ControlSpec heading(MainBox which, int left, int width) {
    return box(which, "", {left, 5640, width, 285}, kDefaultFont, kSystem, kGrey, kCentred);
}

// `spoken`: the name a screen reader reads where the caption's "&" would be taken as an access key.
constexpr ControlSpec button(std::string_view name, std::string_view caption, int left, int top, int width,
                             std::string_view spoken = {}) {
    return {name, Kind::Button, caption, {left, top, width, 375}, kDefaultFont, kSystem, kSystem, 0, 0, 0, spoken};
}

constexpr ControlSpec bar(std::string_view name, const SelectorRange& range, Twips place) {
    return {name, Kind::VScrollBar, {}, place, kDefaultFont, kSystem, kSystem, 0, 0, 0, range.name};
}

constexpr ControlSpec option(std::string_view name, DesignType type, Twips place) {
    return {name, Kind::Option, captionOf(type), place, kDefaultFont, kRed, kGrey};
}

// A table: one control a row, kept as written.
// clang-format off
inline constexpr std::array<ControlSpec, 43> kControls{{
    {"Text1", Kind::CaptionBox, "QUAD ANTENNA DESIGN by MORVAN", {1440, 0, 7335, 480}, {"Comic Sans MS", 18}, kBlue,
     kGrey},
    {"Text2", Kind::CaptionBox, "1.5", {5760, 5160, 615, 195}, kTerminal9, kSystem, kGrey},
    {"Text3", Kind::CaptionBox, "1.7", {10080, 5040, 495, 285}, kTerminal9, kSystem, kGrey},
    {"Text4", Kind::CaptionBox, "SWR", {7920, 5160, 615, 165}, kTerminal9, kSystem, kGrey, kCentred},
    {"Text5", Kind::CaptionBox, "ESTIMATED FREQUENCY / SWR RATIO\r\n", {5640, 5760, 4695, 375}, kTerminal9, kSystem,
     kGrey, kCentred | kMultiLine},
    {"Text6", Kind::CaptionBox, "INPUT CENTER\r\nFREQUENCY IN MHZ\r\n", {7320, 1320, 3135, 735}, kTerminal13, kSystem,
     kGrey, kCentred | kMultiLine},
    box(MainBox::freqtxt, "000.000", {7800, 600, 2055, 615}, kSans18, kRed, kLightYellow, kFramed | kCentred),
    box(MainBox::Text9, "000.000", {5760, 4560, 1215, 375}, kSans8Bold, kOrange, kGrey, kCentred),
    box(MainBox::Text10, "000.000", {9120, 4560, 1095, 375}, kSans8Bold, kOrange, kGrey, kCentred),
    {"Text11", Kind::CaptionBox, "AWG #\r\nWIRE SIZE\r\n \r\n", {2520, 840, 1695, 735}, kTerminal13, kSystem, kGrey,
     kMultiLine},
    bar("vsbAwg", kGauges, {4320, 600, 255, 1815}),
    {"awgLab", Kind::Label, "10", {3360, 1560, 855, 735}, kSans24, kRed, kGrey},
    {"Text12", Kind::CaptionBox, "NUMBER OF\r\nELEMENTS\r\n", {4800, 840, 1935, 645}, kTerminal12, kSystem, kGrey,
     kMultiLine},
    {"elLab", Kind::Label, "3", {6000, 1560, 735, 735}, kSans24, kRed, kGrey},
    bar("vsbEl", kElementCounts, {6840, 600, 255, 1815}),
    option("Option1", DesignType::StandardHighGain, {120, 840, 2175, 255}),
    option("Option2", DesignType::Special4or8, {120, 1920, 2175, 495}),
    option("Option3", DesignType::DoubleReflector, {120, 1320, 2175, 375}),
    button("Command1", captions::kCalculateFeetInches, 720, 3000, 3855, captions::kCalculateFeetInches),
    {factsOf(MainBox::Label1).name, Kind::Label, "000.000", {7560, 4560, 1095, 375}, kSans8Bold, kOrange, kGrey, kCentred},
    button("Command2", captions::kConvertToMetric, 1320, 3480, 2775),
    button("Command3", "EXIT", 9120, 3000, 1095),
    button("Command4", captions::kLockFrequency, 7560, 2040, 2895),
    {"Text7", Kind::CaptionBox,
     "DIRECTORS ARE\r\nTHE DRIVEN IS\r\nTHE REFLECTOR IS\r\nELEMENT SPACING IS\r\nTHE BOOM LENGTH IS\r\n"
     "APPROXIMATE HOLE\r\nSPACING ON THE\r\nSPREADERS IS\r\n",
     {120, 4320, 2415, 2055}, kSans9, kSystem, kGrey, kMultiLine, 0, 16},
    resultBox(MainBox::Text14, 2520, 4320, 855, kCentred),
    resultBox(MainBox::Text15, 2520, 4560, 855, kCentred),
    resultBox(MainBox::Text16, 2520, 4800, 855, kCentred),
    resultBox(MainBox::Text17, 2520, 5040, 855, kCentred),
    resultBox(MainBox::Text18, 2520, 5280, 855, kCentred),
    resultBox(MainBox::Text19, 2520, 6000, 855, kCentred),
    heading(MainBox::Text20, 2520, 855),
    resultBox(MainBox::Text21, 4080, 4320, 975, 0),
    resultBox(MainBox::Text22, 4080, 4560, 975, 0),
    resultBox(MainBox::Text23, 4080, 4800, 975, 0),
    resultBox(MainBox::Text24, 4080, 5040, 975, 0),
    resultBox(MainBox::Text25, 4080, 5280, 975, 0),
    resultBox(MainBox::Text26, 4080, 6000, 975, 0),
    heading(MainBox::Text27, 4080, 975),
    button("mnuWeb", "WEB LINK", 7800, 3000, 1095),
    {"Text8", Kind::CaptionBox, "BEST USUABLE FREQUENCY RANGE", {5520, 4080, 5055, 285},
     {"MS Sans Serif", 9.75, true, true}, kOrange, kGrey, kCentred},
    button("Command5", "MATCHING INFO", 5520, 3000, 1935),
    button("Command6", captions::kPrint, 7080, 6240, 2175),
    {"Image1", Kind::Image, {}, {6480, 5040, 3495, 585}, kDefaultFont, kSystem, kSystem},
}};
// clang-format on

// The title bar stays empty; a screen reader still names the window.
inline constexpr WindowDesign kDesign{"TARNWELL", "", {0, 0, 10695, 6705}, kGrey, "loopbeam: quad antenna design"};

// The row of a control, found while compiling.
consteval std::size_t row(std::string_view name) { return rowOf(kControls, name); }

}  // namespace tarnwell_layout
}  // namespace loopbeam
