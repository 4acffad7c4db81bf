#include "ui/control_builder.h"

#include "ui/wrapping_option.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
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
    box->setAlignment(alignment | Qt::AlignVCenter);
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
        case Kind::Button: return new QPushButton(&window);
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
            auto* bar = new QScrollBar(Qt::Vertical, &window);
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
            palette.setColor(role, *spec.textColour);
    }
    if (spec.backgroundColour) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, *spec.backgroundColour);
        if (spec.kind != Kind::Button) widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

bool liesBelowOthers(Kind kind) { return kind == Kind::Label || kind == Kind::Image || kind == Kind::Picture; }

}  // namespace

void setBoxText(QWidget& box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        line->setText(text);
        line->setCursorPosition(0);  // show the beginning of a text longer than the box
    } else if (auto* edit = qobject_cast<QTextEdit*>(&box)) {
        edit->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const auto alignment = static_cast<Qt::Alignment>(edit->property("alignment").toInt());
        QTextCursor all(edit->document());
        all.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setAlignment(alignment);
        if (const int pixels = edit->property("linePixels").toInt(); pixels > 0)
            format.setLineHeight(pixels, QTextBlockFormat::FixedHeight);
        all.mergeBlockFormat(format);
    } else if (auto* label = qobject_cast<QLabel*>(&box)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&box)) {
        button->setText(text);
    }
}

void restoreTexts(QWidget& window, std::span<const ControlSpec> specs) {
    for (const ControlSpec& spec : specs) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(spec.name), Qt::FindDirectChildrenOnly);
        if (widget && spec.text) setBoxText(*widget, QString::fromUtf8(spec.text));
    }
}

void buildWindow(QWidget& window, const WindowDesign& design, std::span<const ControlSpec> specs) {
    window.setObjectName(QString::fromLatin1(design.name));
    window.setWindowTitle(QString::fromLatin1(design.caption));
    window.resize(design.clientArea.pixels().size());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    window.setFont(font);
    if (design.background) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, *design.background);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    buildControls(window, specs);
}

void buildControls(QWidget& window, std::span<const ControlSpec> specs) {
    QButtonGroup* options = nullptr;
    std::vector<QWidget*> focusOrder;
    std::vector<QWidget*> above;
    for (const ControlSpec& spec : specs) {
        QWidget* widget = create(spec, window, options);
        widget->setObjectName(QString::fromLatin1(spec.name));
        widget->setGeometry(spec.place.pixels());
        widget->setFont(fontOf(window, spec.font));
        colour(*widget, spec);
        if (spec.text) setBoxText(*widget, QString::fromUtf8(spec.text));
        if (widget->focusPolicy() != Qt::NoFocus) focusOrder.push_back(widget);
        if (!liesBelowOthers(spec.kind)) above.push_back(widget);
    }
    for (QWidget* widget : above) widget->raise();
    for (std::size_t i = 1; i < focusOrder.size(); ++i) QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

}  // namespace loopbeam::ui
