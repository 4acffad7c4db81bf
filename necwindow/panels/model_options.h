#pragma once
// The check window's model options: free space or a soil with the boom's
// height, square or diamond loops, the conductor and the insulation of the
// wire. It says when any of them changes, so that the window can mark its
// results as belonging to other options.

#include <QWidget>

#include "nec/model/quad_design.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;

namespace loopbeam {

class ModelOptions : public QWidget {
    Q_OBJECT

public:
    ModelOptions();

    // As chosen; the soil only over ground, the insulation only when the wire has one.
    nec::CheckOptions options() const;

signals:
    void changed();

private:
    void buildGroundRow();
    void buildShapeRow();
    void buildWireRow();
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
};

}  // namespace loopbeam
