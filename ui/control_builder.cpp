#include "ui/control_builder.h"

#include "ui/accessibility.h"
#include "ui/command_button.h"
#include "ui/focus_scroll_bar.h"
#include "ui/show_outcome.h"
#include "ui/wrapping_option.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <vector>

namespace loopbeam::ui {
namespace {

QFont fontOf(const QWidget& window, const FontSpec& spec) {
    if (!spec.family) return window.font();
    QFont font(QString::fromLatin1(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

QWidget* textBox(const ControlSpec& spec, QWidget& window) {
    const Qt::Alignment alignment = spec.flags & kCentred ? Qt::AlignHCenter : Qt::AlignLeft;
    if (spec.flags & kMultiLine) {
        auto* box = new QTextEdit(&window);
        box->setAcceptRichText(false);
        box->setTabChangesFocus(true);  // Tab moves on, as in every other box
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setFrameShape(spec.flags & kFramed ? QFrame::StyledPanel : QFrame::NoFrame);
        box->document()->setDocumentMargin(1);
        box->setProperty("alignment", static_cast<int>(alignment));
        box->setProperty("linePixels", spec.linePixels);
        return box;
    }
    auto* box = new QLineEdit(&window);
    box->setFrame(spec.flags & kFramed);
    box->setAlignment(alignment);
    box->setTextMargins(0, 0, 0, 0);
    if (spec.maxLength > 0) box->setMaxLength(static_cast<int>(spec.maxLength));
    return box;
}

QWidget* create(const ControlSpec& spec, QWidget& window, QButtonGroup*& options) {
    switch (spec.kind) {
        case Kind::CaptionBox:
        case Kind::TextBox: return textBox(spec, window);
        case Kind::Label: {
            auto* label = new QLabel(&window);
            label->setAutoFillBackground(true);
            label->setAlignment((spec.flags & kCentred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case Kind::Button: return new CommandButton(&window);
        case Kind::Option: {
            auto* option = new WrappingOption(&window);
            if (!options) {
                options = new QButtonGroup(&window);
                options->setExclusive(true);
            }
            options->addButton(option);
            return option;
        }
        case Kind::VScrollBar: {
            auto* bar = new FocusScrollBar(&window);
            bar->setFocusPolicy(Qt::StrongFocus);  // keys move it, as its tab place promises
            return bar;
        }
        case Kind::Image: {
            auto* image = new QLabel(&window);
            image->setScaledContents(true);
            return image;
        }
        case Kind::Picture: {
            auto* picture = new QLabel(&window);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->setFrameShape(QFrame::StyledPanel);
            return picture;
        }
        case Kind::ListBox: return new QListWidget(&window);
    }
    return nullptr;
}

void colour(QWidget& widget, const ControlSpec& spec) {
    QPalette palette = widget.palette();
    if (spec.textColour) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, QColor(*spec.textColour));
    }
    if (spec.backgroundColour) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, QColor(*spec.backgroundColour));
        if (spec.kind != Kind::Button) widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

// A single-line box draws its text from the top inside its border, as the
// platform's edit controls do, so that it reads in one line with the labels
// beside it. Where the substituted font's line is taller than the box, the
// text is centred instead, which keeps its glyphs whole.
void placeTextVertically(QLineEdit& box) {
    const int frame = box.hasFrame() ? 2 * box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box) : 0;
    const bool fits = box.fontMetrics().height() + 2 + frame <= box.height();  // a margin of 1 above and below
    box.setAlignment((box.alignment() & Qt::AlignHorizontal_Mask) | (fits ? Qt::AlignTop : Qt::AlignVCenter));
}

// A caption read as one line: its line breaks become blanks.
QString accessibleNameOf(const ControlSpec& spec) {
    if (!spec.accessibleName.empty()) return toQString(spec.accessibleName);
    return toQString(spec.text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified();
}

bool liesBelowOthers(Kind kind) { return kind == Kind::Label || kind == Kind::Image || kind == Kind::Picture; }

}  // namespace

void restoreTexts(const Controls& controls, std::span<const ControlSpec> specs) {
    for (std::size_t row = 0; row < specs.size(); ++row)
        if (hasText(specs[row].kind)) setBoxText(*controls.at<QWidget>(row), toQString(specs[row].text));
}

Controls buildWindow(QWidget& window, const WindowDesign& design, std::span<const ControlSpec> specs) {
    installAccessibility();
    window.setObjectName(toQString(design.name));
    window.setWindowTitle(toQString(design.caption));
    if (!design.accessibleName.empty()) window.setAccessibleName(toQString(design.accessibleName));
    window.resize(design.clientArea.pixels().size());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    window.setFont(font);
    if (design.background) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(*design.background));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }

    QButtonGroup* options = nullptr;
    std::vector<QWidget*> widgets, focusOrder, above;
    for (const ControlSpec& spec : specs) {
        QWidget* widget = create(spec, window, options);
        widget->setObjectName(toQString(spec.name));
        widget->setGeometry(spec.place.pixels());
        widget->setFont(fontOf(window, spec.font));
        if (auto* line = qobject_cast<QLineEdit*>(widget)) placeTextVertically(*line);
        colour(*widget, spec);
        if (hasText(spec.kind)) setBoxText(*widget, toQString(spec.text));
        if (isNamed(spec.kind) || !spec.accessibleName.empty()) widget->setAccessibleName(accessibleNameOf(spec));
        if (widget->focusPolicy() != Qt::NoFocus) focusOrder.push_back(widget);
        if (!liesBelowOthers(spec.kind)) above.push_back(widget);
        widgets.push_back(widget);
    }
    for (QWidget* widget : above) widget->raise();
    for (std::size_t i = 1; i < focusOrder.size(); ++i) QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    return Controls(std::move(widgets));
}

}  // namespace loopbeam::ui
