#include "necwindow/window_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "nec/check/check.h"
#include "nec/model/run_cost.h"
#include "ui/scroll_page.h"

namespace loopbeam::window_parts {

void makeHeading(QLabel& label) {
    label.setObjectName(QStringLiteral("heading"));
    label.setTextInteractionFlags(Qt::TextSelectableByMouse);
    label.setWordWrap(true);
    QFont bold = label.font();
    bold.setBold(true);
    label.setFont(bold);
}

void makeBanner(QLabel& label, const QString& objectName, const QString& background) {
    label.setObjectName(objectName);
    label.setWordWrap(true);
    label.setAutoFillBackground(true);
    label.setMargin(6);
    label.setStyleSheet(QStringLiteral("background: %1; color: black").arg(background));
    label.hide();
}

QHBoxLayout* runRow(QPushButton& run, QPushButton& cancel, QProgressBar& progress) {
    auto* row = new QHBoxLayout;
    cancel.setObjectName(QStringLiteral("cancel"));
    progress.setRange(0, kProgressSteps);
    progress.setAccessibleName(QStringLiteral("Progress of the check or the tuning"));
    row->addWidget(&run);
    row->addWidget(&cancel);
    row->addWidget(&progress, 1);
    return row;
}

QScrollArea* optionsScroll(QWidget& box, const QPushButton& button, const QString& name) {
    QScrollArea* scroll = ui::scrollPage(&box, name);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumSize(box.minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width(),
                           2 * button.sizeHint().height());
    return scroll;
}

bool agreesToRun(QWidget& window, const nec::NecModel& model) {
    if (!nec::needsConfirmation(model)) return true;
    const auto answer = QMessageBox::question(
        &window, window.windowTitle(),
        QStringLiteral("This design has %1 segments: the check takes about %2 s and %3 MB for each frequency "
                       "it solves, of at most %4, on every core. Run it?")
            .arg(model.totalSegments())
            .arg(nec::secondsPerFrequency(model.totalSegments(), model.boomHeightMetres.has_value()), 0, 'f', 0)
            .arg(nec::megabytesPerRun(model.totalSegments()), 0, 'f', 0)
            .arg(nec::mostSolves(model, nec::SweepMethod::Fitted)));
    window.activateWindow();  // some window managers give the focus elsewhere when the box goes
    return answer == QMessageBox::Yes;
}

}  // namespace loopbeam::window_parts
