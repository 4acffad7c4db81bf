#include "necwindow/panels/summary_panel.h"

#include <QFormLayout>
#include <QLabel>

#include "ui/show_outcome.h"

namespace loopbeam {

SummaryPanel::SummaryPanel() : rows_(new QFormLayout(this)) {
    setObjectName(QStringLiteral("summary"));
    rows_->setRowWrapPolicy(QFormLayout::WrapLongRows);
}

void SummaryPanel::setLines(const std::vector<nec::SummaryLine>& lines) {
    clear();
    for (const nec::SummaryLine& line : lines) {
        const QString label = ui::toQString(line.label) + QLatin1Char(':');
        auto* value = new QLabel(ui::toQString(line.value));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAccessibleName(label + QLatin1Char(' ') + value->text());  // the figure read with what it is
        rows_->addRow(label, value);
    }
}

void SummaryPanel::clear() {
    while (rows_->rowCount() > 0) rows_->removeRow(0);
}

}  // namespace loopbeam
