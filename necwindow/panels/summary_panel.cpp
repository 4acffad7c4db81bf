#include "necwindow/panels/summary_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/scroll_page.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

QLabel* cell(const QString& text, bool bold, bool wraps) {
    auto* label = new QLabel(text);
    label->setWordWrap(wraps);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

SummaryPanel::SummaryPanel() : rows_(new QWidget) {
    setObjectName(QStringLiteral("summary"));
    QScrollArea* scroll = ui::scrollPage(rows_, QStringLiteral("Summary of the check"));
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroll);
    clear();
}

void SummaryPanel::setRows(const QStringList& headings, const std::vector<nec::TextRow>& rows) {
    clear();
    int row = 0;
    if (headings.size() > 1)
        for (int column = 0; column < headings.size(); ++column)
            grid_->addWidget(cell(headings[column], true, true), row, column + 1);
    for (const nec::TextRow& line : rows) {
        ++row;
        if (line.values.empty()) {
            // A heading, a little apart from the rows above it.
            grid_->setRowMinimumHeight(row++, fontMetrics().height() / 2);
            grid_->addWidget(cell(ui::toQString(line.label), true, false), row, 0, 1, -1);
            continue;
        }
        const QString label = ui::toQString(line.label) + QLatin1Char(':');
        grid_->addWidget(cell(label, false, false), row, 0);  // the labels keep a line each: the values wrap
        for (std::size_t i = 0; i < line.values.size(); ++i) {
            QLabel* value = cell(ui::toQString(line.values[i]), false, true);
            grid_->setColumnStretch(static_cast<int>(i) + 1, 1);
            // The figure read with what it is, and whose it is.
            const QString whose = headings.size() > 1 ? headings.value(static_cast<int>(i)) + QStringLiteral(", ") : "";
            value->setAccessibleName(whose + label + QLatin1Char(' ') + value->text());
            grid_->addWidget(value, row, static_cast<int>(i) + 1);
        }
    }
    grid_->setRowStretch(row + 1, 1);
}

void SummaryPanel::clear() {
    delete grid_;
    for (QWidget* old : rows_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete old;
    grid_ = new QGridLayout(rows_);
    grid_->setHorizontalSpacing(16);
}

}  // namespace loopbeam
