#pragma once
// A window's controls as a table: name, kind, place in twips, text, font and
// colours. The builder turns each row into a widget whose objectName is the
// control's name, in table order, which is the tab order.

#include <QColor>
#include <QRect>
#include <cstddef>
#include <optional>

class QWidget;

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

// Twips: 1440 to the inch, 15 to a pixel at 96 dpi.
struct Twips {
    int left, top, width, height;
    QRect pixels() const { return {left / 15, top / 15, width / 15, height / 15}; }
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
    const char* name;
    Kind kind;
    const char* text;  // lines separated by "\r\n"
    Twips place;
    FontSpec font;
    std::optional<QColor> textColour;        // nullopt: the platform's
    std::optional<QColor> backgroundColour;  // nullopt: the platform's
    unsigned flags = 0;
    std::size_t maxLength = 0;  // text boxes; 0 for none
    int linePixels = 0;         // multi-line boxes whose lines must meet rows beside them; 0 for the font's
};

// A window's own design: its name, caption, client area and background
// (nullopt: the platform's). Its controls' default font is "MS Sans Serif" 8.25.
struct WindowDesign {
    const char* name;
    const char* caption;
    Twips clientArea;
    std::optional<QColor> background;
};

// The colours and fonts the windows share.
inline const QColor kGrey(224, 224, 224);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline constexpr std::nullopt_t kSystem = std::nullopt;
inline constexpr FontSpec kDefaultFont{};

}  // namespace loopbeam::ui
