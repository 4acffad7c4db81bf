#include "mainwindow/tarnwell_layout.h"

#include <array>

#include "design/main_boxes.h"

namespace loopbeam {
namespace {

using namespace ui;

const QColor kOrange(255, 128, 0);
const QColor kLightYellow(255, 255, 128);

constexpr FontSpec kTerminal9{"Terminal", 9, true};
constexpr FontSpec kTerminal12{"Terminal", 12, true};
constexpr FontSpec kTerminal13{"Terminal", 13.5, true};
constexpr FontSpec kSans8Bold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kSans9{"MS Sans Serif", 9.75};
constexpr FontSpec kSans18{"MS Sans Serif", 18};
constexpr FontSpec kSans24{"MS Sans Serif", 24};

ControlSpec resultBox(const char* name, int left, int top, int width, unsigned flags) {
    return {name, Kind::TextBox, "", {left, top, width, 285}, kDefaultFont, kBlue, kSystem, kFramed | flags};
}

ControlSpec heading(const char* name, int left, int width) {
    return {name, Kind::TextBox, "", {left, 5640, width, 285}, kDefaultFont, kSystem, kGrey, kCentred};
}

ControlSpec button(const char* name, const char* caption, int left, int top, int width) {
    return {name, Kind::Button, caption, {left, top, width, 375}, kDefaultFont, kSystem, kSystem};
}

// A table: one control a row, kept as written.
// clang-format off
const std::array<ControlSpec, 43> kControls{{
    {"Text1", Kind::CaptionBox, "QUAD ANTENNA DESIGN by MORVAN", {1440, 0, 7335, 480}, {"Comic Sans MS", 18}, kBlue,
     kGrey},
    {"Text2", Kind::CaptionBox, "1.5", {5760, 5160, 615, 195}, kTerminal9, kSystem, kGrey},
    {"Text3", Kind::CaptionBox, "1.7", {10080, 5040, 495, 285}, kTerminal9, kSystem, kGrey},
    {"Text4", Kind::CaptionBox, "SWR", {7920, 5160, 615, 165}, kTerminal9, kSystem, kGrey, kCentred},
    {"Text5", Kind::CaptionBox, "ESTIMATED FREQUENCY / SWR RATIO\r\n", {5640, 5760, 4695, 375}, kTerminal9, kSystem,
     kGrey, kCentred | kMultiLine},
    {"Text6", Kind::CaptionBox, "INPUT CENTER\r\nFREQUENCY IN MHZ\r\n", {7320, 1320, 3135, 735}, kTerminal13, kSystem,
     kGrey, kCentred | kMultiLine},
    {"freqtxt", Kind::TextBox, "000.000", {7800, 600, 2055, 615}, kSans18, kRed, kLightYellow, kFramed | kCentred, kFrequencyBoxMaxLength},
    {"Text9", Kind::TextBox, "000.000", {5760, 4560, 1215, 375}, kSans8Bold, kOrange, kGrey, kCentred, kFrequencyBoxMaxLength},
    {"Text10", Kind::TextBox, "000.000", {9120, 4560, 1095, 375}, kSans8Bold, kOrange, kGrey, kCentred, kFrequencyBoxMaxLength},
    {"Text11", Kind::CaptionBox, "AWG #\r\nWIRE SIZE\r\n \r\n", {2520, 840, 1695, 735}, kTerminal13, kSystem, kGrey,
     kMultiLine},
    {"vsbAwg", Kind::VScrollBar, nullptr, {4320, 600, 255, 1815}, kDefaultFont, kSystem, kSystem},
    {"awgLab", Kind::Label, "10", {3360, 1560, 855, 735}, kSans24, kRed, kGrey},
    {"Text12", Kind::CaptionBox, "NUMBER OF\r\nELEMENTS\r\n", {4800, 840, 1935, 645}, kTerminal12, kSystem, kGrey,
     kMultiLine},
    {"elLab", Kind::Label, "3", {6000, 1560, 735, 735}, kSans24, kRed, kGrey},
    {"vsbEl", Kind::VScrollBar, nullptr, {6840, 600, 255, 1815}, kDefaultFont, kSystem, kSystem},
    {"Option1", Kind::Option, "STANDARD HIGH GAIN", {120, 840, 2175, 255}, kDefaultFont, kRed, kGrey},
    {"Option2", Kind::Option, "SPECIAL 4 OR 8 ELEMENT", {120, 1920, 2175, 495}, kDefaultFont, kRed, kGrey},
    {"Option3", Kind::Option, "DOUBLE REFLECTOR", {120, 1320, 2175, 375}, kDefaultFont, kRed, kGrey},
    button("Command1", "CALCULATE/FEET & INCHES", 720, 3000, 3855),
    {"Label1", Kind::Label, "000.000", {7560, 4560, 1095, 375}, kSans8Bold, kOrange, kGrey, kCentred},
    button("Command2", "CONVERT TO METRIC", 1320, 3480, 2775),
    button("Command3", "EXIT", 9120, 3000, 1095),
    button("Command4", "SET AND LOCK FREQUENCY", 7560, 2040, 2895),
    {"Text7", Kind::CaptionBox,
     "DIRECTORS ARE\r\nTHE DRIVEN IS\r\nTHE REFLECTOR IS\r\nELEMENT SPACING IS\r\nTHE BOOM LENGTH IS\r\n"
     "APPROXIMATE HOLE\r\nSPACING ON THE\r\nSPREADERS IS\r\n",
     {120, 4320, 2415, 2055}, kSans9, kSystem, kGrey, kMultiLine, 0, 16},
    resultBox("Text14", 2520, 4320, 855, kCentred),
    resultBox("Text15", 2520, 4560, 855, kCentred),
    resultBox("Text16", 2520, 4800, 855, kCentred),
    resultBox("Text17", 2520, 5040, 855, kCentred),
    resultBox("Text18", 2520, 5280, 855, kCentred),
    resultBox("Text19", 2520, 6000, 855, kCentred),
    heading("Text20", 2520, 855),
    resultBox("Text21", 4080, 4320, 975, 0),
    resultBox("Text22", 4080, 4560, 975, 0),
    resultBox("Text23", 4080, 4800, 975, 0),
    resultBox("Text24", 4080, 5040, 975, 0),
    resultBox("Text25", 4080, 5280, 975, 0),
    resultBox("Text26", 4080, 6000, 975, 0),
    heading("Text27", 4080, 975),
    button("mnuWeb", "WEB LINK", 7800, 3000, 1095),
    {"Text8", Kind::CaptionBox, "BEST USUABLE FREQUENCY RANGE", {5520, 4080, 5055, 285},
     {"MS Sans Serif", 9.75, true, true}, kOrange, kGrey, kCentred},
    button("Command5", "MATCHING INFO", 5520, 3000, 1935),
    button("Command6", "PRINT", 7080, 6240, 2175),
    {"Image1", Kind::Image, nullptr, {6480, 5040, 3495, 585}, kDefaultFont, kSystem, kSystem},
}};
// clang-format on

}  // namespace

std::span<const ui::ControlSpec> tarnwellControls() { return kControls; }

}  // namespace loopbeam
