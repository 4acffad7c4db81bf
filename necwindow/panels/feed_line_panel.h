#pragma once
// The way from the analyser to the feed point, as the command line's
// --feedline options give it: the feed line's length, its cable (or its
// impedance and velocity factor typed), its matched loss at the locked
// frequency, and whether the measurement went through the quarter-wave
// section too. The window moves the measurement back through them.

#include <QWidget>
#include <optional>

#include "nec/measured/feed_line.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

namespace loopbeam {

class FeedLinePanel : public QWidget {
    Q_OBJECT

public:
    FeedLinePanel();

    // None at a length of 0: measured at the feed point.
    std::optional<nec::TransmissionLine> feedline(double lockedMHz) const;
    bool throughSection() const;
    // Unticked without a change said: a section the check cannot give.
    void clearThroughSection();

signals:
    void changed();

private:
    // A named cable's figures shown, and only typed ones editable.
    void showCable();

    QDoubleSpinBox* length_;
    QComboBox* cable_;
    QDoubleSpinBox* ohms_;
    QDoubleSpinBox* velocityFactor_;
    QDoubleSpinBox* loss_;
    QCheckBox* section_;
};

}  // namespace loopbeam
