#include "necwindow/charts/pattern_chart.h"

#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolarChart>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "necwindow/charts/chart_parts.h"

namespace loopbeam {
namespace {

constexpr double kRingStepDb = 10;
constexpr double kSpokeDegrees = 30;  // the angular axis's grid

// Halfway between two spokes, so that the ring labels cross no grid line.
double betweenSpokes(double angle) { return (std::floor(angle / kSpokeDegrees) + 0.5) * kSpokeDegrees; }

// The middle of the sector between two spokes where the pattern reaches least
// far out: the ring labels there keep clear of the lobes. Above the horizon
// alone, the upper half of a chart whose angle runs clockwise from its top.
double quietestSector(const std::vector<QPointF>& gains, bool aboveHorizon = false) {
    const double first = betweenSpokes(gains.front().x());
    double best = first, bestReach = std::numeric_limits<double>::infinity();
    for (double middle = first; middle < gains.front().x() + 360; middle += kSpokeDegrees) {
        double reach = -std::numeric_limits<double>::infinity();
        for (const QPointF& p : gains)
            if (std::abs(p.x() - middle) <= kSpokeDegrees / 2) reach = std::max(reach, p.y());
        if (aboveHorizon && std::fmod(middle + 360, 360) < 180) continue;
        if (reach < bestReach) {
            best = middle;
            bestReach = reach;
        }
    }
    return best;
}

void place(QPolarChart& chart, QLineSeries& series, const PatternChart::Placed& label) {
    const QRectF box = label.item->boundingRect();
    QPointF at = chart.mapToPosition(QPointF(label.angle, label.db), &series);
    // Outside the rim for the angles, just inside its ring for a level.
    const QPointF out = at - chart.plotArea().center();
    const double length = std::hypot(out.x(), out.y());
    const double clearance = (label.outsideRim ? 1 : -1) * (std::max(box.width(), box.height()) / 2 + 3);
    if (length > 0) at += out / length * clearance;
    label.item->setPos(at - box.center());
}

// A ring's label that the pattern's line crosses, or that a label before it
// covers, stays out: at a small size the rings lie closer than their labels
// are tall, and the caption says how far apart they are.
void leaveOutCoveredLabels(QPolarChart& chart, QLineSeries& series, const std::vector<PatternChart::Placed>& labels) {
    QPainterPath line;
    const QList<QPointF> points = series.points();
    for (int i = 0; i < points.size(); ++i) {
        const QPointF at = chart.mapToPosition(points[i], &series);
        if (i == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    QPainterPathStroker stroke;
    stroke.setWidth(series.pen().widthF() + 2);
    const QPainterPath drawn = stroke.createStroke(line);
    std::vector<QRectF> shown;
    for (const PatternChart::Placed& label : labels) {
        const QRectF box = label.item->mapRectToParent(label.item->boundingRect());
        const bool covered =
            !label.outsideRim &&
            (drawn.intersects(box) ||
             std::any_of(shown.begin(), shown.end(), [&](const QRectF& other) { return other.intersects(box); }));
        label.item->setVisible(!covered);
        if (!covered) shown.push_back(box);
    }
}

// Over ground nothing radiates below the horizon: the chart stands twice as
// tall as the view less the room of the horizon's labels, and the view shows
// its upper half.
class UpperHalfView : public QChartView {
public:
    using QChartView::QChartView;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QChartView::resizeEvent(event);
        constexpr int kBelowHorizon = 16;
        const QSize size = event->size();
        chart()->resize(size.width(), 2 * (size.height() - kBelowHorizon));
        setSceneRect(0, 0, size.width(), size.height());
    }
};

}  // namespace

QString captioned(const QString& whose, const QString& caption) {
    return whose.isEmpty() ? caption : whose + QStringLiteral(": ") + caption;
}

QString degreesText(double value) {
    QString text = QString::number(value, 'f', 1);  // over ground the take-off is read to 0.1 degree
    if (text.endsWith(QStringLiteral(".0"))) text.chop(2);
    return text + QChar(0x00B0);
}

PatternChart::PatternChart(QAbstractAxis* angular, const std::vector<QPointF>& gains)
    : chart_(new QPolarChart),
      gain_(chart_parts::lineSeries(QStringLiteral("Gain"), QStringLiteral("pattern"))),
      labels_(std::make_shared<std::vector<Placed>>()) {
    peak_ = std::max_element(gains.begin(), gains.end(), [](const QPointF& a, const QPointF& b) {
                return a.y() < b.y();
            })->y();
    gains_ = gains;
    const double quietest = quietestSector(gains);
    for (const QPointF& p : gains) gain_->append(p.x(), std::max(p.y() - peak_, -kPatternDepthDb));
    gain_->setPen(QPen(chart_parts::kPattern, 2));

    auto* radius = new QValueAxis;
    radius->setRange(-kPatternDepthDb, 0);
    radius->setTickCount(static_cast<int>(kPatternDepthDb / kRingStepDb) + 1);
    radius->setLabelsVisible(false);  // drawn clear of the lobes instead
    chart_->addAxis(angular, QPolarChart::PolarOrientationAngular);
    chart_->addAxis(radius, QPolarChart::PolarOrientationRadial);
    chart_->addSeries(gain_);
    gain_->attachAxis(angular);
    gain_->attachAxis(radius);
    chart_->legend()->hide();

    for (double db = 0; db > -kPatternDepthDb; db -= kRingStepDb) {
        auto* item = new QGraphicsSimpleTextItem(db == 0 ? QStringLiteral("0 dB") : QString::number(db), chart_);
        item->setBrush(Qt::darkGray);
        labels_->push_back({item, quietest, db, false});
    }
    QPolarChart* chart = chart_;
    QLineSeries* series = gain_;
    QObject::connect(chart_, &QChart::plotAreaChanged, chart_, [chart, series, labels = labels_] {
        for (const Placed& label : *labels) place(*chart, *series, label);
        leaveOutCoveredLabels(*chart, *series, *labels);
    });
}

void PatternChart::addRadial(double angle, const QPen& pen) {
    auto* line = new QLineSeries;
    *line << QPointF(angle, -kPatternDepthDb) << QPointF(angle, 0);
    line->setPen(pen);
    chart_->addSeries(line);
    for (QAbstractAxis* axis : gain_->attachedAxes()) line->attachAxis(axis);
}

void PatternChart::labelRim(const std::vector<PolarLabel>& labels) {
    chart_->setMargins(QMargins(28, 22, 28, 22));
    for (const PolarLabel& label : labels)
        labels_->push_back({new QGraphicsSimpleTextItem(label.text, chart_), label.angle, 0, true});
}

void PatternChart::showUpperHalf() {
    upperHalf_ = true;
    const double quietest = quietestSector(gains_, true);
    for (Placed& label : *labels_)
        if (!label.outsideRim) label.angle = quietest;
}

QWidget* PatternChart::page(const QString& caption, const QString& viewName, const QString& accessibleName) {
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* figures = new QLabel(caption);
    figures->setWordWrap(true);
    figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures->setObjectName(viewName + QStringLiteral("Caption"));
    QChartView* view =
        chart_parts::chartView(chart_, viewName, accessibleName, upperHalf_ ? new UpperHalfView : nullptr);
    view->setAccessibleDescription(caption);
    rows->addWidget(figures);
    rows->addWidget(view, 1);
    return page;
}

}  // namespace loopbeam
