#include "ui/scroll_page.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QString>

namespace loopbeam::ui {

QScrollArea* scrollPage(QWidget* content, const QString& name) {
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    scroll->setAccessibleName(name);
    scroll->verticalScrollBar()->setAccessibleName(name + QStringLiteral(", up and down"));
    scroll->horizontalScrollBar()->setAccessibleName(name + QStringLiteral(", left and right"));
    return scroll;
}

}  // namespace loopbeam::ui
