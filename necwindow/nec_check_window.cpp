#include "necwindow/nec_check_window.h"

#include <QButtonGroup>
#include <QChartView>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPolarChart>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
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
#include "ui/accessibility.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

constexpr int kProgressSteps = 1000;

QRadioButton* choice(QButtonGroup& group, const QString& caption, int id, QLayout& layout) {
    auto* button = new QRadioButton(caption);
    group.addButton(button, id);
    layout.addWidget(button);
    return button;
}

// A chart on a tab of its own, named for a screen reader by its tab's caption.
void addChart(QTabWidget& tabs, QChart* chart, const QString& name, const QString& caption) {
    auto* view = new QChartView(chart);
    view->setObjectName(name);
    view->setAccessibleName(QString(caption).remove(QLatin1Char('&')) + QStringLiteral(" chart"));
    view->setRenderHint(QPainter::Antialiasing);
    tabs.addTab(view, caption);
}

}  // namespace

NecCheckWindow::NecCheckWindow(CheckSource source)
    : source_(std::move(source)),
      design_(new QLabel),
      stale_(new QLabel),
      message_(new QLabel),
      ground_(new QButtonGroup(this)),
      height_(new QDoubleSpinBox),
      shape_(new QButtonGroup(this)),
      run_(new QPushButton(QStringLiteral("&Check again"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))),
      progress_(new QProgressBar),
      summary_(new QFormLayout),
      charts_(new QTabWidget) {
    ui::installAccessibility();
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
    charts_->setAccessibleName(QStringLiteral("Charts"));
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
    saveButton(
        QStringLiteral("Save &Touchstone..."),
        sweepFile(QStringLiteral("s1p"), QStringLiteral("Touchstone one-port files (*.s1p)"),
                  [this](std::ostream& out) { nec::writeTouchstone(out, *result_, checkedInput_.description); }));
    files->addStretch();
    page->addLayout(files);
    setRunning(false);
    for (QPushButton* button : saves_) button->setEnabled(false);
}

void NecCheckWindow::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Model"));
    auto* rows = new QVBoxLayout(box);
    auto* groundRow = new QHBoxLayout;
    choice(*ground_, QStringLiteral("&Free space"), 0, *groundRow)->setChecked(true);
    choice(*ground_, QStringLiteral("Over average &ground, boom height"), 1, *groundRow);
    height_->setRange(0.5, nec::kMaxBoomHeightMetres);
    height_->setDecimals(1);
    height_->setValue(15);
    height_->setSuffix(QStringLiteral(" m"));
    height_->setAccessibleName(QStringLiteral("Boom height over ground, metres"));
    groundRow->addWidget(height_);
    groundRow->addStretch();
    auto* shapeRow = new QHBoxLayout;
    choice(*shape_, QStringLiteral("S&quare loops"), 0, *shapeRow)->setChecked(true);
    choice(*shape_, QStringLiteral("D&iamond loops, fed at a corner"), 1, *shapeRow);
    shapeRow->addStretch();
    rows->addLayout(groundRow);
    rows->addLayout(shapeRow);
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
    for (QButtonGroup* group : {ground_, shape_})
        connect(group, &QButtonGroup::idClicked, this, &NecCheckWindow::showStaleness);
    connect(height_, &QDoubleSpinBox::valueChanged, this, &NecCheckWindow::showStaleness);
    connect(cancel_, &QPushButton::clicked, this, [this] { runner_.cancel(); });
}

nec::CheckOptions NecCheckWindow::options() const {
    nec::CheckOptions chosen;
    chosen.shape = shape_->checkedId() == 1 ? nec::LoopShape::Diamond : nec::LoopShape::Square;
    if (ground_->checkedId() == 1) chosen.boomHeightMetres = height_->value();
    return chosen;
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
    const nec::CheckOptions chosen = options();
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
    message_->hide();
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("Checking %1: %p%").arg(ui::toQString(nameOf(*design))));
    setRunning(true);
    runner_.start(
        std::move(*model),
        [this](double fraction) { progress_->setValue(static_cast<int>(fraction * kProgressSteps)); },
        [this, design, input, chosen, header](const nec::Outcome<nec::CheckResult>& outcome) {
            if (outcome) {
                checked_ = design;
                checkedInput_ = input;
                checkedOptions_ = chosen;
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
    addChart(*charts_, swrChart(*result_, checkedInput_.estimatedLowMHz, checkedInput_.estimatedHighMHz),
             QStringLiteral("swrChart"), QStringLiteral("&SWR"));
    addChart(*charts_, impedanceChart(*result_), QStringLiteral("impedanceChart"), QStringLiteral("&R and X"));
    addChart(*charts_, patternChart(*result_), QStringLiteral("patternChart"), QStringLiteral("&Pattern"));
    charts_->setCurrentIndex(std::max(shownTab, 0));
    for (QPushButton* button : saves_) button->setEnabled(true);
}

std::string NecCheckWindow::staleness() const {
    const std::optional<CalculatedDesign> last = source_.lastCalculated();
    const std::vector<std::string> changes = source_.changesSince(*checked_);
    const bool calculatedSince = last && last != checked_;
    const bool optionsChanged =
        options().shape != checkedOptions_.shape || options().boomHeightMetres != checkedOptions_.boomHeightMetres;
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
