#include "necwindow/nec_check_window.h"

#include <QChartView>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPolarChart>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "nec/check_report.h"
#include "nec/design_input.h"
#include "nec/run_cost.h"
#include "nec/sweep_files.h"
#include "necwindow/check_charts.h"
#include "necwindow/check_entries.h"
#include "necwindow/check_files.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

constexpr int kProgressSteps = 1000;

QChartView* chartView(QChart* chart, const QString& name) {
    auto* view = new QChartView(chart);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
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
      summary_(new QFormLayout),
      charts_(new QTabWidget) {
    setObjectName(QStringLiteral("NecCheck"));
    setWindowTitle(QStringLiteral("NEC-2 check"));
    resize(880, 720);
    auto* page = new QVBoxLayout(this);
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
    page->addLayout(summary_);
    charts_->setObjectName(QStringLiteral("charts"));
    page->addWidget(charts_, 1);

    auto* files = new QHBoxLayout;
    // Each save's dialog is titled with its button's caption.
    const auto saveButton = [&](const QString& caption, std::function<void(const QString& title)> save) {
        auto* button = new QPushButton(caption);
        const QString title = QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
        connect(button, &QPushButton::clicked, this, [title, save] { save(title); });
        files->addWidget(button);
        saves_.push_back(button);
    };
    const auto sweepFile = [this](const QString& extension, const QString& filter,
                                  std::function<void(std::ostream&)> write) {
        return [this, extension, filter, write](const QString& title) {
            saveThroughDialog(*this, title, suggestedFileName(*checked_, extension), filter, write);
        };
    };
    saveButton(QStringLiteral("Save &deck..."),
               [this](const QString& title) { saveDeckThroughDialog(*this, title, *checked_, checkedOptions_); });
    saveButton(QStringLiteral("Save results as CS&V..."),
               sweepFile(QStringLiteral("csv"), QStringLiteral("CSV files (*.csv)"),
                         [this](std::ostream& out) { nec::writeSweepCsv(out, *result_); }));
    saveButton(QStringLiteral("Save &Touchstone..."),
               sweepFile(QStringLiteral("s1p"), QStringLiteral("Touchstone one-port files (*.s1p)"),
                         [this](std::ostream& out) { nec::writeTouchstone(out, *result_, checkedComments_); }));
    files->addStretch();
    page->addLayout(files);
    setRunning(false);
    for (QPushButton* button : saves_) button->setEnabled(false);
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
    charts_->clear();
    while (summary_->rowCount() > 0) summary_->removeRow(0);
    message_->hide();
    stale_->hide();
    for (QPushButton* button : saves_) button->setEnabled(false);
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
            QStringLiteral("This design has %1 segments: the check takes about %2 s and %3 MB for each of its %4 "
                           "frequencies, on every core. Run it?")
                .arg(model->totalSegments())
                .arg(nec::secondsPerFrequency(model->totalSegments(), model->boomHeightMetres.has_value()), 0, 'f', 0)
                .arg(nec::megabytesPerRun(model->totalSegments()), 0, 'f', 0)
                .arg(model->sweep.mhz.size()));
        activateWindow();  // some window managers give the focus elsewhere when the box goes
        if (answer != QMessageBox::Yes) return;
    }
    // The results shown stay with their own design until this run has its own.
    const QString header = ui::toQString(nameOf(*design) + " - " + nec::conditionsOf(*model));
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
    while (summary_->rowCount() > 0) summary_->removeRow(0);
    for (const nec::SummaryLine& line : nec::summaryLines(*result_, checkedInput_)) {
        auto* value = new QLabel(ui::toQString(line.value));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary_->addRow(ui::toQString(line.label) + QLatin1Char(':'), value);
    }
    const int shownTab = charts_->currentIndex();  // a new check keeps the chart the user was reading
    charts_->clear();
    charts_->addTab(chartView(swrChart(*result_, checkedInput_.estimatedLowMHz, checkedInput_.estimatedHighMHz),
                              QStringLiteral("swrChart")),
                    QStringLiteral("&SWR"));
    charts_->addTab(chartView(impedanceChart(*result_), QStringLiteral("impedanceChart")), QStringLiteral("&R and X"));
    charts_->addTab(chartView(patternChart(*result_), QStringLiteral("patternChart")), QStringLiteral("&Pattern"));
    charts_->setCurrentIndex(std::max(shownTab, 0));
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
