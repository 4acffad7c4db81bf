#pragma once
// What the check's charts are built of: named series, axes with round ticks
// as many as their length holds, the colours each feed keeps on every chart.

#include <QColor>
#include <QSize>
#include <QString>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/measured/measured_sweep.h"
#include "nec/model/quad_design.h"

class QAbstractSeries;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace loopbeam::chart_parts {

inline const QColor kThroughSection(0, 0, 255);
inline const QColor kDirect(200, 0, 0);
inline const QColor kLocked(0, 0, 0);
inline const QColor kPattern(0, 0, 255);
inline const QColor kEstimatedFill(255, 200, 0, 60);
inline const QColor kEstimatedBorder(255, 160, 0);
// The SWR 1.5 line dashed, the SWR 2 line (and circle) dotted.
inline const QColor kSwr1_5(0, 130, 0);
inline const QColor kSwr2(150, 90, 0);
// An analyser's measurement, beside the model's curves.
inline const QColor kMeasured(0, 150, 150);

// However small the window, a chart stays readable: 200 pixels tall, and
// wide enough for its legend beside a plot with its labels whole.
inline constexpr QSize kMinimumChartSize(500, 200);

// A check the sweep charts draw: the calculated design's alone, or dashed
// beside the tuned design's, solid, on the same axes.
struct Drawn {
    const nec::CheckResult* result;
    QString whose;         // "calculated", "tuned"; empty alone
    QString objectSuffix;  // of its series' object names: "" or "Tuned"
    Qt::PenStyle style;

    // "Via 75-ohm section, tuned"
    QString named(const QString& what) const { return whose.isEmpty() ? what : what + QStringLiteral(", ") + whose; }
    QString objectName(const QString& name) const { return name + objectSuffix; }
};

// The measured points within the check's sweep: the charts' frequency axes are the sweep's.
nec::MeasuredSweep measuredWithin(const nec::MeasuredSweep* measured, const nec::CheckResult& check);

std::vector<Drawn> drawnChecks(const nec::CheckResult& calculated, const nec::CheckResult* tuned);

// "14.2": the locked frequency as the main window shows it.
QString lockedText(const nec::QuadDesign& design);

// The chart in a view of that name, at least kMinimumChartSize.
QChartView* chartView(QChart* chart, const QString& objectName, const QString& accessibleName,
                      QChartView* view = nullptr);

// A chart without a title (its tab and its axes say what it shows) whose
// legend, beside it, draws each series as it looks, dashes and markers included.
QChart* lineChart();

QLineSeries* lineSeries(const QString& name, const QString& objectName);

enum class Ends { AsGiven, OnTicks };

// An axis on that side over [low, high], ticked at round values within it, as
// many as its length holds; with Ends::OnTicks its range widens to the ticks
// next outside.
QValueAxis* roundAxis(const QString& title, double low, double high, Ends ends, Qt::Alignment side, QChart& chart);

void attach(QChart& chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y);

// Keeps a series that explains nothing out of the legend.
void leaveOutOfLegend(QChart& chart, QAbstractSeries* series);

}  // namespace loopbeam::chart_parts
