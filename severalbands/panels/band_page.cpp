#include "severalbands/panels/band_page.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "nec/multiband/band_results.h"
#include "necwindow/charts/azimuth_chart.h"
#include "necwindow/charts/chart_parts.h"
#include "necwindow/charts/impedance_chart.h"
#include "necwindow/charts/swr_chart.h"
#include "necwindow/panels/summary_panel.h"

namespace loopbeam {

BandPage::BandPage(const BandShown& shown) {
    const nec::MultibandDesign& design = *shown.design;
    const QString mhz = QStringLiteral("%1 MHz").arg(design.bands.at(shown.band).mhz);
    setObjectName(QStringLiteral("band ") + mhz);
    setAccessibleName(QStringLiteral("Results at ") + mhz);
    auto* heading = new QLabel(mhz + QStringLiteral(", fed on its own driven loop with every loop present. ") +
                               shown.unusedFeeds + QLatin1Char('.'));
    heading->setObjectName(QStringLiteral("bandHeading"));
    heading->setWordWrap(true);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* tabs = new QTabWidget;
    tabs->setAccessibleName(QStringLiteral("Summary and charts at ") + mhz);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(heading);
    rows->addWidget(tabs, 1);
    auto* summary = new SummaryPanel;
    QStringList headings{QStringLiteral("Calculated")};
    if (shown.tuned) headings << shown.tunedHeading;
    summary->setRows(headings,
                     nec::bandSummaryRows(design, shown.band, *shown.check, *shown.feed, shown.tuned, shown.tunedFeed));
    tabs->addTab(summary, QStringLiteral("Summary"));
    const nec::QuadDesign quad = nec::bandQuadDesign(design, shown.band);
    const std::vector<chart_parts::Drawn> drawn = chart_parts::drawnChecks(*shown.check, shown.tuned);
    using chart_parts::chartView;
    tabs->addTab(chartView(swrChart(drawn, quad), QStringLiteral("swrChart"), QStringLiteral("SWR chart at ") + mhz),
                 QStringLiteral("SWR"));
    tabs->addTab(chartView(impedanceChart(drawn, quad), QStringLiteral("impedanceChart"),
                           QStringLiteral("Feed resistance and reactance chart at ") + mhz),
                 QStringLiteral("R and X"));
    // The pattern of the spider shown: the tuned one once tuned.
    tabs->addTab(
        azimuthPage(shown.tuned ? *shown.tuned : *shown.check, quad, shown.tuned ? shown.tunedHeading : QString()),
        QStringLiteral("Azimuth"));
}

}  // namespace loopbeam
