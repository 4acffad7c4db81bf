#pragma once
// The check window's model options: free space or a soil with the boom's
// height, square or diamond loops, the conductor and the insulation of the
// wire, and the band the worst figures are taken over. It says when any of them changes, so that the window can mark
// its results as belonging to other options.

#include <QWidget>

#include <optional>

#include "nec/model/quad_design.h"
#include "nec/outcome.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace loopbeam {

class ModelOptions : public QWidget {
    Q_OBJECT

public:
    ModelOptions();

    // As chosen; the soil only over ground, the insulation only when the wire has one.
    nec::CheckOptions options() const;

    // The band typed, or none (both edges empty) for the estimated range; why the texts are no band.
    nec::Outcome<std::optional<nec::Band>> band() const;
    // Where each band is taken over its own estimated range: no band row.
    void hideBand();

signals:
    void changed();

private:
    void buildGroundRow();
    void buildShapeRow();
    void buildWireRow();
    void buildBandRow();
    // The thickness wants an insulation, the permittivity one of no named material.
    void showInsulation();

    QButtonGroup* ground_;
    QDoubleSpinBox* height_;
    QComboBox* soil_;
    QButtonGroup* shape_;
    QComboBox* conductor_;
    QComboBox* insulation_;
    QDoubleSpinBox* thickness_;
    QDoubleSpinBox* permittivity_;
    QLineEdit* bandLow_;
    QLineEdit* bandHigh_;
    QWidget* bandRow_;
};

}  // namespace loopbeam
