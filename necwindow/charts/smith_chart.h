#pragma once
// The feed impedance over the sweep on a Smith chart normalised to 50 ohms:
// fed directly and through the 75-ohm section, the locked frequency and the
// estimated range's edges marked, the SWR 2 circle drawn; the tuned design
// beside the calculated one, when there is one. Where an impedance
// lies is nec/smith_chart_geometry's; this only draws it.

#include <QWidget>
#include <complex>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"
#include "necwindow/charts/chart_parts.h"

namespace loopbeam {

class SmithChart : public QWidget {
public:
    // measured: an analyser's sweep at the feed point, beside the model's curves.
    SmithChart(const std::vector<chart_parts::Drawn>& checks, const nec::QuadDesign& design,
               const nec::MeasuredSweep* measured = nullptr);

    struct Locus {
        std::vector<std::complex<double>> points;  // reflection coefficients, by ascending frequency
        std::complex<double> locked, lowEdge, highEdge;
    };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Curves {
        Locus direct, section;
        QString directName, sectionName;
        Qt::PenStyle style;
    };
    std::vector<Curves> curves_;
    std::vector<std::complex<double>> measured_;  // reflection coefficients, by ascending frequency
    QString lockedText_;
};

}  // namespace loopbeam
