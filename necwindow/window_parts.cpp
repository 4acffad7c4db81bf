#include "necwindow/window_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

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

}  // namespace loopbeam::window_parts
