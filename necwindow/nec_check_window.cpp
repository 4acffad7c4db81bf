#include "necwindow/nec_check_window.h"

#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "nec/check/check.h"
#include "nec/check/check_report.h"
#include "nec/check/sweep_files.h"
#include "nec/model/design_input.h"
#include "nec/model/run_cost.h"
#include "necwindow/charts/azimuth_chart.h"
#include "necwindow/charts/chart_parts.h"
#include "necwindow/charts/elevation_chart.h"
#include "necwindow/charts/impedance_chart.h"
#include "necwindow/charts/smith_chart.h"
#include "necwindow/charts/swr_chart.h"
#include "necwindow/check_entries.h"
#include "necwindow/check_files.h"
#include "necwindow/opening_place.h"
#include "ui/accessibility.h"
#include "ui/show_outcome.h"
#include "ui/wrapped_lines.h"
#include "ui/x11_desktop.h"

namespace loopbeam {
namespace {

constexpr int kProgressSteps = 1000;
constexpr QSize kPreferredSize(880, 720);

// The design's name and model, then what the name alone would mislead about.
QString heading(const CalculatedDesign& design, const nec::NecModel& model) {
    std::string text = nameOf(design) + " - " + nec::conditionsOf(model);
    for (const std::string& note : nec::designNotes(design)) text += "\n" + note;
    return ui::toQString(text);
}

}  // namespace

NecCheckWindow::NecCheckWindow(CheckSource source)
    : source_(std::move(source)),
      design_(new QLabel),
      stale_(new QLabel),
      message_(new QLabel),
      model_(new ModelOptions),
      run_(new QPushButton(QStringLiteral("&Check again"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))),
      progress_(new QProgressBar),
      summary_(new SummaryPanel),
      charts_(new QTabWidget),
      saved_(new QLabel) {
    ui::installAccessibility();
    setObjectName(QStringLiteral("NecCheck"));
    setWindowTitle(QStringLiteral("NEC-2 check"));
    resize(kPreferredSize);
    auto* page = new QVBoxLayout(this);
    design_->setObjectName(QStringLiteral("heading"));
    design_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    design_->setWordWrap(true);  // a long heading must not widen the window
    QFont bold = design_->font();
    bold.setBold(true);
    design_->setFont(bold);
    page->addWidget(design_);
    buildOptions();
    // Below the options, so that a banner never moves the buttons.
    for (QLabel* banner : {stale_, message_}) {
        banner->setWordWrap(true);
        banner->setAutoFillBackground(true);
        banner->setMargin(6);
        banner->hide();
        page->addWidget(banner);
    }
    stale_->setObjectName(QStringLiteral("stale"));
    stale_->setStyleSheet(QStringLiteral("background: #fff3b0; color: black"));
    message_->setObjectName(QStringLiteral("message"));
    message_->setStyleSheet(QStringLiteral("background: #ffd6d6; color: black"));
    charts_->setObjectName(QStringLiteral("charts"));
    charts_->setAccessibleName(QStringLiteral("Results of the check"));
    charts_->setUsesScrollButtons(false);  // every tab in view: the window is never narrower than they are
    charts_->addTab(summary_, QStringLiteral("S&ummary"));  // its own tab: the charts keep their height
    // A page shown anew lays out its wrapped texts at the width it gets.
    connect(charts_, &QTabWidget::currentChanged, this, [this] { ui::reserveWrappedLines(*this); });
    page->addWidget(charts_, 1);
    buildSaves(*page);
    setRunning(false);
    for (QPushButton* button : saves_) button->setEnabled(false);
}

void NecCheckWindow::buildSaves(QBoxLayout& page) {
    auto* files = new QHBoxLayout;
    // Each save's dialog is titled with its button's caption; a save says where it went.
    const auto saveButton = [&](const QString& caption, std::function<std::optional<QString>(const QString&)> save) {
        auto* button = new QPushButton(caption);
        const QString title = QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
        connect(button, &QPushButton::clicked, this, [this, title, save] {
            const std::optional<QString> path = save(title);
            if (!path) return;
            saved_->setText(QStringLiteral("Saved as %1").arg(QDir::toNativeSeparators(*path)));
            saved_->show();
        });
        files->addWidget(button);
        saves_.push_back(button);
    };
    const auto sweepFile = [this](const QString& extension, const QString& filter,
                                  std::function<void(std::ostream&)> write) {
        return [this, extension, filter, write](const QString& title) {
            return saveThroughDialog(*this, title, suggestedFileName(*checked_, checkedOptions_, extension), filter,
                                     write);
        };
    };
    saveButton(QStringLiteral("Save &deck..."), [this](const QString& title) {
        return saveDeckThroughDialog(*this, title, *checked_, checkedOptions_);
    });
    saveButton(QStringLiteral("Save results as CS&V..."),
               sweepFile(QStringLiteral("csv"), QStringLiteral("CSV files (*.csv)"),
                         [this](std::ostream& out) { nec::writeSweepCsv(out, *result_); }));
    saveButton(QStringLiteral("Save &Touchstone..."),
               sweepFile(QStringLiteral("s1p"), QStringLiteral("Touchstone one-port files (*.s1p)"),
                         [this](std::ostream& out) { nec::writeTouchstone(out, *result_, checkedComments_); }));
    files->addStretch();
    page.addLayout(files);
    saved_->setObjectName(QStringLiteral("saved"));
    saved_->setWordWrap(true);
    saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    saved_->hide();
    page.addWidget(saved_);
}

void NecCheckWindow::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Model"));
    auto* rows = new QVBoxLayout(box);
    rows->addWidget(model_);
    auto* runRow = new QHBoxLayout;
    run_->setObjectName(QStringLiteral("run"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    progress_->setRange(0, kProgressSteps);
    progress_->setAccessibleName(QStringLiteral("Progress of the check"));
    runRow->addWidget(run_);
    runRow->addWidget(cancel_);
    runRow->addWidget(progress_, 1);
    rows->addLayout(runRow);
    static_cast<QVBoxLayout*>(layout())->addWidget(box);
    connect(run_, &QPushButton::clicked, this, &NecCheckWindow::startCheck);
    connect(model_, &ModelOptions::changed, this, &NecCheckWindow::showStaleness);
    connect(cancel_, &QPushButton::clicked, this, [this] { runner_.cancel(); });
}

void NecCheckWindow::reload() {
    result_.reset();
    removeCharts();
    summary_->clear();
    for (QLabel* banner : {message_, stale_, saved_}) banner->hide();
    for (QPushButton* button : saves_) button->setEnabled(false);
}

void NecCheckWindow::removeCharts() {
    while (charts_->count() > 1) {
        QWidget* page = charts_->widget(1);
        charts_->removeTab(1);
        delete page;
    }
}

void NecCheckWindow::startCheck() {
    if (runner_.running()) return;
    const std::optional<CalculatedDesign> design = source_.lastCalculated();
    if (!design) {
        tell(check_entries::noDesignYet());
        return;
    }
    const nec::QuadDesign input = nec::quadDesignOf(*design);
    const nec::CheckOptions chosen = model_->options();
    auto model = nec::buildModel(input, chosen);
    if (!model) {
        tell(ui::toQString(model.error().message));
        return;
    }
    if (nec::needsConfirmation(*model)) {
        const auto answer = QMessageBox::question(
            this, windowTitle(),
            QStringLiteral("This design has %1 segments: the check takes about %2 s and %3 MB for each frequency "
                           "it solves, of at most %4, on every core. Run it?")
                .arg(model->totalSegments())
                .arg(nec::secondsPerFrequency(model->totalSegments(), model->boomHeightMetres.has_value()), 0, 'f', 0)
                .arg(nec::megabytesPerRun(model->totalSegments()), 0, 'f', 0)
                .arg(nec::mostSolves(*model, nec::SweepMethod::Fitted)));
        activateWindow();  // some window managers give the focus elsewhere when the box goes
        if (answer != QMessageBox::Yes) return;
    }
    // The results shown stay with their own design until this run has its own.
    const QString header = heading(*design, *model);
    const std::vector<std::string> comments = model->comments;
    message_->hide();
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("Checking %1: %p%").arg(ui::toQString(nameOf(*design))));
    setRunning(true);
    runner_.start(
        std::move(*model),
        [this](double fraction) { progress_->setValue(static_cast<int>(fraction * kProgressSteps)); },
        [this, design, input, chosen, header, comments](const nec::Outcome<nec::CheckResult>& outcome) {
            if (outcome) {
                checked_ = design;
                checkedInput_ = input;
                checkedOptions_ = chosen;
                checkedComments_ = comments;
                design_->setText(header);
            }
            finish(outcome);
        });
}

void NecCheckWindow::finish(const nec::Outcome<nec::CheckResult>& outcome) {
    setRunning(false);
    if (!outcome) {
        tell(outcome.error().message == nec::kCancelledMessage
                 ? QStringLiteral("The check was cancelled; the results shown before stay as they were.")
                 : ui::toQString(outcome.error().message));
        return;
    }
    progress_->setValue(kProgressSteps);
    result_ = *outcome;
    showResult();
    showStaleness();
}

void NecCheckWindow::showResult() {
    summary_->setLines(nec::summaryLines(*result_, checkedInput_));
    const int shownTab = charts_->currentIndex();  // a new check keeps the tab the user was reading
    removeCharts();
    using chart_parts::chartView;
    const nec::QuadDesign& design = checkedInput_;
    charts_->addTab(chartView(swrChart(*result_, design), QStringLiteral("swrChart"), QStringLiteral("SWR chart")),
                    QStringLiteral("&SWR"));
    charts_->addTab(chartView(impedanceChart(*result_, design), QStringLiteral("impedanceChart"),
                              QStringLiteral("Feed resistance and reactance chart")),
                    QStringLiteral("&R and X"));
    auto* smith = new SmithChart(*result_, design);
    smith->setObjectName(QStringLiteral("smithChart"));
    smith->setMinimumSize(chart_parts::kMinimumChartSize);
    charts_->addTab(smith, QStringLiteral("S&mith chart"));
    charts_->addTab(azimuthPage(*result_, design), QStringLiteral("&Azimuth"));
    charts_->addTab(elevationPage(*result_, design, checkedOptions_), QStringLiteral("&Elevation"));
    charts_->setCurrentIndex(std::max(shownTab, 0));
    saved_->hide();  // what was saved belongs to the results before
    for (QPushButton* button : saves_) button->setEnabled(true);
}

std::string NecCheckWindow::staleness() const {
    const std::optional<CalculatedDesign> last = source_.lastCalculated();
    const std::vector<std::string> changes = source_.changesSince(*checked_);
    const bool calculatedSince = last && last != checked_;
    const bool optionsChanged = model_->options() != checkedOptions_;
    if (changes.empty() && !calculatedSince && !optionsChanged) return {};
    std::string why;
    for (const std::string& change : changes) why += (why.empty() ? ": " : "; ") + change;
    if (why.empty() && calculatedSince) why = ": the main window has calculated " + nameOf(*last);
    if (why.empty()) why = ": the model's options have changed";
    // Check again checks the design as last calculated: what the main window shows must be calculated first.
    const bool shownIsCalculated = last && source_.changesSince(*last).empty();
    return "These results belong to the earlier design " + nameOf(*checked_) + why + ". " +
           (shownIsCalculated
                ? "Press Check again to check the design now calculated."
                : "Press " + std::string(captions::kCalculateFeetInches) + " in the main window, then Check again.");
}

void NecCheckWindow::showStaleness() {
    if (!checked_ || !result_) return;
    const std::string said = staleness();
    stale_->setText(ui::toQString(said));
    stale_->setVisible(!said.empty());
}

bool NecCheckWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The layout has just run: the wrapped texts know their widths.
    if (event->type() == QEvent::LayoutRequest) ui::reserveWrappedLines(*this);
    return handled;
}

void NecCheckWindow::showEvent(QShowEvent* event) {
    // Opened anew (not moved by the user since): beside the main window where the screen has room.
    if (!event->spontaneous() && !testAttribute(Qt::WA_Moved) && source_.mainFrame) openBesideMainWindow();
    QWidget::showEvent(event);
}

void NecCheckWindow::openBesideMainWindow() {
    const QMargins frame = ui::frameExtents(*this);
    const OpeningPlace place = openingPlace(screen()->availableGeometry(), source_.mainFrame(),
                                            minimumSizeHint().grownBy(frame), kPreferredSize.grownBy(frame));
    const QSize inside = place.size.shrunkBy(frame);
    if (!place.topLeft) {
        resize(inside);
        return;
    }
    // The client's place, as the frame around it will leave it.
    setGeometry(QRect(*place.topLeft + QPoint(frame.left(), frame.top()), inside));
}

void NecCheckWindow::closeEvent(QCloseEvent* event) {
    runner_.cancel();  // closing the window ends its check
    QWidget::closeEvent(event);
}

void NecCheckWindow::setRunning(bool running) {
    if (!running) progress_->setFormat(QStringLiteral("%p%"));
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    progress_->setEnabled(running);
}

void NecCheckWindow::tell(const QString& message) {
    message_->setText(message);
    message_->show();
}

}  // namespace loopbeam
