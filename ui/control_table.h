#pragma once
// A window's controls as a table: name, kind, place in twips, text, font and
// colours. The builder turns each row into a widget whose objectName is the
// control's name, in table order, which is the tab order. Window code finds
// a control's row by its name at compile time.

#include <QRect>
#include <QRgb>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace loopbeam::ui {

enum class Kind {
    CaptionBox,  // borderless editable text box on the window's grey; single or multi-line
    TextBox,     // editable text box
    Label,       // opaque label
    Button,      // command button
    Option,      // option button of the window's one exclusive group
    VScrollBar,  // vertical scroll bar
    Image,       // picture stretched to the control
    Picture,     // picture shown from its top-left corner
    ListBox,     // unsorted list
};

// Bars, pictures and lists have no text of their own.
constexpr bool hasText(Kind kind) {
    return kind != Kind::VScrollBar && kind != Kind::Image && kind != Kind::Picture && kind != Kind::ListBox;
}

// Twips: 1440 to the inch, 15 to a pixel at 96 dpi.
struct Twips {
    int left, top, width, height;
    constexpr QRect pixels() const { return {left / 15, top / 15, width / 15, height / 15}; }
};

struct FontSpec {
    const char* family = nullptr;  // nullptr: the window's default font
    double points = 0;
    bool bold = false, italic = false, underline = false;
};

enum Flag : unsigned {
    kFramed = 1,
    kCentred = 2,
    kMultiLine = 4,
};

struct ControlSpec {
    std::string_view name;
    Kind kind;
    std::string_view text;  // lines separated by "\r\n"
    Twips place;
    FontSpec font;
    std::optional<QRgb> textColour;        // nullopt: the platform's
    std::optional<QRgb> backgroundColour;  // nullopt: the platform's
    unsigned flags = 0;
    std::size_t maxLength = 0;             // text boxes; 0 for none
    int linePixels = 0;                    // multi-line boxes whose lines must meet rows beside them; 0 for the font's
    std::string_view accessibleName = {};  // for a screen reader; a box without one is named by its caption
};

// Boxes, bars and lists are named for a screen reader; buttons, options and
// labels speak their own captions, unless their row gives a name.
constexpr bool isNamed(Kind kind) {
    return kind == Kind::CaptionBox || kind == Kind::TextBox || kind == Kind::VScrollBar || kind == Kind::ListBox;
}

// A window's own design: its name, caption, client area and background
// (nullopt: the platform's). Its controls' default font is "MS Sans Serif" 8.25.
struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    Twips clientArea;
    std::optional<QRgb> background;
    std::string_view accessibleName = {};  // for a screen reader where the caption says nothing
};

// The row of the control of that name. Used in constant expressions, so a
// name that is not in the table does not compile.
constexpr std::size_t rowOf(std::span<const ControlSpec> table, std::string_view name) {
    for (std::size_t row = 0; row < table.size(); ++row)
        if (table[row].name == name) return row;
    throw std::logic_error("no control of that name");
}

// The colours and fonts the windows share.
inline constexpr QRgb kGrey = qRgb(224, 224, 224);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr std::nullopt_t kSystem = std::nullopt;
inline constexpr FontSpec kDefaultFont{};

}  // namespace loopbeam::ui
