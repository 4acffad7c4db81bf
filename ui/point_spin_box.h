#pragma once

#include <QDoubleSpinBox>

namespace loopbeam::ui {

// A spin box that shows its number with a decimal point, as every other
// number in the windows, whatever the user's locale, and takes a typed comma
// as the decimal point.
class PointSpinBox : public QDoubleSpinBox {
public:
    explicit PointSpinBox(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& position) const override;
};

}  // namespace loopbeam::ui
