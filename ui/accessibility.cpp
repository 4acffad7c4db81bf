#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QChartView>
#include <QTextEdit>

#include "ui/caption_box_access.h"

namespace loopbeam::ui {
namespace {

class WindowAccess : public QAccessibleWidget {
public:
    explicit WindowAccess(QWidget* window) : QAccessibleWidget(window) {}
    // A widget made without a parent is a window only until it is placed in one.
    QAccessible::Role role() const override { return widget()->isWindow() ? QAccessible::Window : QAccessible::Client; }
};

class ChartAccess : public QAccessibleWidget {
public:
    explicit ChartAccess(QWidget* view) : QAccessibleWidget(view, QAccessible::Chart) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

bool neverScrolls(const QTextEdit& box) {
    return box.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
           box.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
}

// Qt asks for each class of the object, the most derived first.
QAccessibleInterface* accessOf(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String(QWidget::staticMetaObject.className()) && widget->isWindow())
        return new WindowAccess(widget);
    if (className == QLatin1String(QTextEdit::staticMetaObject.className()) &&
        neverScrolls(*static_cast<QTextEdit*>(widget)))
        return new CaptionBoxAccess(static_cast<QTextEdit*>(widget));
    if (className == QLatin1String(QChartView::staticMetaObject.className())) return new ChartAccess(widget);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(accessOf), true);
    (void)installed;
}

}  // namespace loopbeam::ui
