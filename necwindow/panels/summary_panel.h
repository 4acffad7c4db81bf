#pragma once
// The check's summary as the command line prints it: one row a figure.

#include <QWidget>
#include <vector>

#include "nec/check/check_report.h"

class QFormLayout;

namespace loopbeam {

class SummaryPanel : public QWidget {
public:
    SummaryPanel();

    void setLines(const std::vector<nec::SummaryLine>& lines);
    void clear();

private:
    QFormLayout* rows_;
};

}  // namespace loopbeam
