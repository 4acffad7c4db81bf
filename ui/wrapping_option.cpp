#include "ui/wrapping_option.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace loopbeam::ui {

WrappingOption::WrappingOption(QWidget* parent) : QRadioButton(parent) {
    // A click selects the option before it reports the click: chosen once, by the click.
    connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
        if (selected && !clicking_) emit chosen();
    });
    connect(this, &QAbstractButton::clicked, this, &WrappingOption::chosen);
}

// Only clicks come this way (the mouse, Space, the arrow keys, click()).
void WrappingOption::nextCheckState() {
    const QScopedValueRollback inClick(clicking_, true);
    QRadioButton::nextCheckState();
}

void WrappingOption::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);

    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    const QRect textArea = rect().adjusted(indicator.right() + 1 + spacing, 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingOption::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace loopbeam::ui
