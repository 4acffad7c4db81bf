#include "necwindow/charts/smith_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "nec/check/feed_match.h"
#include "nec/check/smith_chart_geometry.h"
#include "necwindow/charts/chart_parts.h"

namespace loopbeam {
namespace {

// The grid's values in ohms, as a builder reads them: resistances on the
// horizontal axis, reactances round the rim.
constexpr double kGridOhms[] = {10, 25, 50, 100, 250};
constexpr double kSwrCircle = 2;
constexpr int kMarginAcross = 44, kMarginDown = 26;  // room for the rim's labels
constexpr int kMarkRadius = 4;
constexpr int kKeyMargin = 8, kSwatchWidth = 28;

nec::Circle circleOhms(nec::Circle (*circle)(double), double ohms) { return circle(ohms / nec::kSystemOhms); }

// The chart's unit disc on the widget: y upwards, as the geometry has it.
struct Disc {
    QPointF centre;
    double radius;
    QPointF at(std::complex<double> gamma) const {
        return centre + QPointF(gamma.real() * radius, -gamma.imag() * radius);
    }
    QRectF around(const nec::Circle& c) const {
        const QPointF middle = at({c.centreX, c.centreY});
        return {middle.x() - c.radius * radius, middle.y() - c.radius * radius, 2 * c.radius * radius,
                2 * c.radius * radius};
    }
};

SmithChart::Locus locusOf(const nec::CheckResult& result, const nec::QuadDesign& design,
                          std::complex<double> (*seen)(std::complex<double>, double, double)) {
    SmithChart::Locus locus;
    const auto at = [&](double mhz) {
        const auto nearest = std::min_element(
            result.sweep.begin(), result.sweep.end(),
            [&](const auto& a, const auto& b) { return std::abs(a.mhz - mhz) < std::abs(b.mhz - mhz); });
        return nec::smithPoint(seen(nearest->feedImpedance, nearest->mhz, design.lockedMHz));
    };
    for (const nec::FrequencyPoint& p : result.sweep)
        locus.points.push_back(nec::smithPoint(seen(p.feedImpedance, p.mhz, design.lockedMHz)));
    locus.locked = at(design.lockedMHz);
    locus.lowEdge = at(design.estimatedLowMHz);
    locus.highEdge = at(design.estimatedHighMHz);
    return locus;
}

std::complex<double> fedDirectly(std::complex<double> z, double, double) { return z; }

void drawGrid(QPainter& painter, const Disc& disc) {
    QPainterPath inside;
    inside.addEllipse(disc.centre, disc.radius, disc.radius);
    painter.setPen(QPen(QColor(170, 170, 170), 1));
    painter.setBrush(Qt::NoBrush);
    painter.save();
    painter.setClipPath(inside);
    for (const double ohms : kGridOhms) {
        painter.drawEllipse(disc.around(circleOhms(nec::resistanceCircle, ohms)));
        painter.drawEllipse(disc.around(circleOhms(nec::reactanceCircle, ohms)));
        painter.drawEllipse(disc.around(circleOhms(nec::reactanceCircle, -ohms)));
    }
    painter.restore();
    painter.drawLine(disc.at(-1), disc.at(1));
    painter.setPen(QPen(Qt::darkGray, 1.5));
    painter.drawEllipse(disc.centre, disc.radius, disc.radius);

    painter.setPen(Qt::darkGray);
    const QFontMetrics metrics(painter.font());
    for (const double ohms : kGridOhms) {
        const QString r = QString::number(ohms);
        const QPointF onAxis = disc.at(nec::smithPoint(ohms));
        painter.drawText(onAxis + QPointF(2, -3), r);
        for (const double sign : {1.0, -1.0}) {
            const std::complex<double> rim = nec::smithPoint({0, sign * ohms});
            const QString x = (sign > 0 ? QStringLiteral("+j") : QStringLiteral("-j")) + r;
            const QPointF out = disc.at(rim * (1 + (metrics.height() * 0.9) / disc.radius));
            painter.drawText(QRectF(out.x() - 30, out.y() - 10, 60, 20), Qt::AlignCenter, x);
        }
    }
}

void drawLocus(QPainter& painter, const Disc& disc, const SmithChart::Locus& locus, const QPen& pen) {
    QPolygonF line;
    for (const std::complex<double>& gamma : locus.points) line << disc.at(gamma);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    painter.setPen(QPen(pen.color(), pen.widthF()));  // the marks solid, whatever the line
    for (const std::complex<double>& edge : {locus.lowEdge, locus.highEdge}) {
        const QPointF p = disc.at(edge);
        painter.drawRect(QRectF(p.x() - kMarkRadius, p.y() - kMarkRadius, 2 * kMarkRadius, 2 * kMarkRadius));
    }
    painter.setBrush(pen.color());
    painter.drawEllipse(disc.at(locus.locked), kMarkRadius + 1, kMarkRadius + 1);
}

QPen directPen(Qt::PenStyle style) { return QPen(chart_parts::kDirect, 1.5, style); }
QPen sectionPen(Qt::PenStyle style) { return QPen(chart_parts::kThroughSection, 2, style); }
QPen measuredPen() { return QPen(chart_parts::kMeasured, 2); }

}  // namespace

SmithChart::SmithChart(const std::vector<chart_parts::Drawn>& checks, const nec::QuadDesign& design,
                       const nec::MeasuredSweep* measured)
    : lockedText_(QStringLiteral("Locked %1 MHz").arg(chart_parts::lockedText(design))) {
    for (const nec::MeasuredPoint& p : chart_parts::measuredWithin(measured, *checks.front().result))
        measured_.push_back(nec::smithPoint(p.impedance));
    for (const chart_parts::Drawn& check : checks)
        curves_.push_back({locusOf(*check.result, design, fedDirectly),
                           locusOf(*check.result, design, nec::throughMatchingSection),
                           check.named(QStringLiteral("Fed directly")),
                           check.named(QStringLiteral("Via 75-ohm section")), check.style});
    setAccessibleName(QStringLiteral("Smith chart of the feed impedance, normalised to 50 ohms"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SmithChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(painter.font());
    const QString title = QStringLiteral("Ohms, normalised to 50");
    const QString keys[] = {QStringLiteral("SWR 2"), lockedText_, QStringLiteral("Estimated range's edges")};
    int keyWidth = metrics.horizontalAdvance(title);
    for (const Curves& c : curves_)
        for (const QString& text : {c.directName, c.sectionName, QStringLiteral("Measured")})
            keyWidth = std::max(keyWidth, kSwatchWidth + metrics.horizontalAdvance(text));
    for (const QString& text : keys) keyWidth = std::max(keyWidth, kSwatchWidth + metrics.horizontalAdvance(text));
    keyWidth += 2 * kKeyMargin;

    // The disc at the right, its key at the left where the disc leaves room.
    const double radius = std::max(10, std::min({(width() - keyWidth) / 2 - kMarginAcross, width() / 2 - kMarginAcross,
                                                 height() / 2 - kMarginDown}));
    const Disc disc{QPointF(width() - kMarginAcross - radius, height() / 2.0), radius};
    drawGrid(painter, disc);
    painter.setPen(QPen(chart_parts::kSwr2, 1.5, Qt::DotLine));
    painter.drawEllipse(disc.around(nec::swrCircle(kSwrCircle)));
    for (const Curves& c : curves_) {
        drawLocus(painter, disc, c.direct, directPen(c.style));
        drawLocus(painter, disc, c.section, sectionPen(c.style));
    }
    QPolygonF measuredLine;
    for (const std::complex<double>& gamma : measured_) measuredLine << disc.at(gamma);
    painter.setPen(measuredPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(measuredLine);

    const int row = metrics.height() + 2;
    QPointF at(kKeyMargin, kKeyMargin + metrics.ascent());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(at, title);
    at.ry() += 1.5 * row;
    const auto key = [&](const QString& text, const std::function<void(QPointF)>& swatch) {
        swatch(at + QPointF(0, -metrics.ascent() / 2.0));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(at + QPointF(kSwatchWidth, 0), text);
        at.ry() += row;
    };
    const auto line = [&](const QPen& pen) {
        return [&painter, pen](QPointF p) {
            painter.setPen(pen);
            painter.drawLine(p, p + QPointF(kSwatchWidth - 6, 0));
        };
    };
    for (const Curves& c : curves_) {
        key(c.directName, line(directPen(c.style)));
        key(c.sectionName, line(sectionPen(c.style)));
    }
    if (!measured_.empty()) key(QStringLiteral("Measured"), line(measuredPen()));
    key(keys[0], line(QPen(chart_parts::kSwr2, 1.5, Qt::DotLine)));
    key(keys[1], [&](QPointF p) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        painter.drawEllipse(p + QPointF(11, 0), kMarkRadius + 1, kMarkRadius + 1);
        painter.setBrush(Qt::NoBrush);
    });
    key(keys[2], [&](QPointF p) {
        painter.setPen(Qt::black);
        painter.drawRect(QRectF(p.x() + 11 - kMarkRadius, p.y() - kMarkRadius, 2 * kMarkRadius, 2 * kMarkRadius));
    });
}

}  // namespace loopbeam
