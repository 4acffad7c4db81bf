#pragma once
// The bands of a quad for several bands: the amateur bands by name, each at
// its centre, other centres typed in MHz, the wire's gauge, and what the
// driven loops of the bands not fed are. The core locks and judges them.

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "nec/multiband/spider.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace loopbeam {

class BandList : public QWidget {
    Q_OBJECT

public:
    BandList();

    // The centres as typed: the bands ticked, then each text between the commas of the entry.
    std::vector<std::string> typed() const;
    // The entry's text as typed, commas and all.
    std::string otherCentres() const;
    std::int16_t gauge() const;
    nec::UnusedFeeds unusedFeeds() const;

    // For tests and the screen reader's user alike: tick a band by its name ("20 m").
    void setTicked(const std::vector<std::string>& names);
    void setOtherCentres(const QString& text);

signals:
    void changed();

private:
    std::vector<QCheckBox*> bands_;  // as kAmateurBands
    QLineEdit* others_;
    QSpinBox* gauge_;
    QComboBox* unused_;
};

}  // namespace loopbeam
