#include "ui/point_spin_box.h"

namespace loopbeam::ui {

PointSpinBox::PointSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    setLocale(c);
}

// The box takes the text as changed here, so the comma shows as a point at once.
QValidator::State PointSpinBox::validate(QString& text, int& position) const {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return QDoubleSpinBox::validate(text, position);
}

}  // namespace loopbeam::ui
