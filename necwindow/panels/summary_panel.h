#pragma once
// The check's summary as the command line prints it, one row a figure, with
// a column for each design shown: the calculated one, and the tuned one
// beside it after a tuning. A row without values heads those under it.

#include <QStringList>
#include <QWidget>
#include <vector>

#include "nec/text_table.h"

class QGridLayout;

namespace loopbeam {

class SummaryPanel : public QWidget {
public:
    SummaryPanel();

    void setRows(const QStringList& headings, const std::vector<nec::TextRow>& rows);
    void clear();

private:
    QWidget* rows_;  // replaced whole: a grid keeps the column widths of rows it has lost
    QGridLayout* grid_ = nullptr;
};

}  // namespace loopbeam
