#pragma once
// A radiation pattern on a fixed scale, so that two checks compare by eye:
// the gain in dB below its peak from 0 to -30, rings every 10 dB, their
// labels along the pattern's quietest direction, clear of its lobes.

#include <QPointF>
#include <QString>
#include <memory>
#include <vector>

class QAbstractAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QPen;
class QPolarChart;
class QWidget;

namespace loopbeam {

inline constexpr double kPatternDepthDb = 30;

// "30°"
QString degreesText(double value);

// The caption, after the design's name when there is one: "Tuned for resonance: Azimuth at ..."
QString captioned(const QString& whose, const QString& caption);

struct PolarLabel {
    QString text;
    double angle;  // on the chart's angular axis
};

class PatternChart {
public:
    // angular: the chart's angular axis, over 360 degrees from its top clockwise;
    // gains: (angle on it, dBi) by ascending angle.
    PatternChart(QAbstractAxis* angular, const std::vector<QPointF>& gains);

    // A line from the centre to the rim.
    void addRadial(double angle, const QPen& pen);

    // Labels just outside the rim, for an angular axis that shows none of its own.
    void labelRim(const std::vector<PolarLabel>& labels);

    // Over ground: the view shows the upper half-plane at full size, the ring
    // labels in its quietest sector.
    void showUpperHalf();

    double peakDbi() const { return peak_; }

    // The chart in a view of that name, under a caption that says what it shows.
    QWidget* page(const QString& caption, const QString& viewName, const QString& accessibleName);

    // Where each label goes, once the chart knows its plot area.
    struct Placed {
        QGraphicsSimpleTextItem* item;
        double angle, db;
        bool outsideRim;
    };

private:
    QPolarChart* chart_;
    QLineSeries* gain_;
    std::shared_ptr<std::vector<Placed>> labels_;
    double peak_ = 0;
    std::vector<QPointF> gains_;
    bool upperHalf_ = false;
};

}  // namespace loopbeam
