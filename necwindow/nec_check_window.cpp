#include "necwindow/nec_check_window.h"

#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "common/shown_name.h"
#include "nec/check/check.h"
#include "nec/check/check_report.h"
#include "nec/check/sweep_files.h"
#include "nec/choice_table.h"
#include "nec/measured/trim_notes.h"
#include "nec/model/design_input.h"
#include "nec/model/file_stem.h"
#include "nec/tuning/comparison.h"
#include "necwindow/charts/azimuth_chart.h"
#include "necwindow/charts/chart_parts.h"
#include "necwindow/charts/chart_pictures.h"
#include "necwindow/charts/elevation_chart.h"
#include "necwindow/charts/gain_chart.h"
#include "necwindow/charts/impedance_chart.h"
#include "necwindow/charts/smith_chart.h"
#include "necwindow/charts/swr_chart.h"
#include "necwindow/check_entries.h"
#include "necwindow/check_files.h"
#include "necwindow/opening_place.h"
#include "necwindow/print_through_dialog.h"
#include "necwindow/window_parts.h"
#include "ui/accessibility.h"
#include "ui/show_outcome.h"
#include "ui/wrapped_lines.h"
#include "ui/x11_desktop.h"

namespace loopbeam {
namespace {

using window_parts::kProgressSteps;
constexpr QSize kPreferredSize(880, 720);
constexpr int kFixedTabs = 2;  // the summary and the cut list; the charts come and go with the results

QString title() { return QStringLiteral("NEC-2 check"); }

// The design's name and model, then what the name alone would mislead about.
QString heading(const CalculatedDesign& design, const nec::NecModel& model) {
    std::string text = nameOf(design) + " - " + nec::conditionsOf(model);
    for (const std::string& note : nec::designNotes(design)) text += "\n" + note;
    return ui::toQString(text);
}

QString goalWord(nec::TuneGoal goal) { return ui::toQString(nec::rowOf(nec::kTuneGoals, goal).word); }

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
      tune_(new TunePanel),
      summary_(new SummaryPanel),
      cutList_(new CutListPanel),
      feedLine_(new FeedLinePanel),
      feedLineBox_(new QGroupBox(QStringLiteral("The measurement was taken through"))),
      charts_(new QTabWidget),
      saved_(new QLabel) {
    ui::installAccessibility();
    setObjectName(QStringLiteral("NecCheck"));
    setWindowTitle(title());
    resize(kPreferredSize);
    auto* page = new QVBoxLayout(this);
    window_parts::makeHeading(*design_);
    page->addWidget(design_);
    buildOptions();
    // Below the options, so that a banner never moves the buttons.
    window_parts::makeBanner(*stale_, QStringLiteral("stale"), QStringLiteral("#fff3b0"));
    window_parts::makeBanner(*message_, QStringLiteral("message"), QStringLiteral("#ffd6d6"));
    page->addWidget(stale_);
    page->addWidget(message_);
    charts_->setObjectName(QStringLiteral("charts"));
    charts_->setAccessibleName(QStringLiteral("Results of the check"));
    // Scroll buttons where the tabs do not all fit: the window keeps a minimum
    // narrow enough to open beside the main window on a 1920-pixel screen.
    charts_->setUsesScrollButtons(true);
    charts_->addTab(summary_, QStringLiteral("Summar&y"));  // its own tab: the charts keep their height
    charts_->addTab(cutList_, QStringLiteral("Cut &list"));
    // A page shown anew lays out its wrapped texts at the width it gets.
    connect(charts_, &QTabWidget::currentChanged, this, [this] { ui::reserveWrappedLines(*this); });
    connect(cutList_, &CutListPanel::unitsChanged, this, &NecCheckWindow::showCutList);
    connect(cutList_, &CutListPanel::asCutTyped, this, &NecCheckWindow::takeAsCut);
    connect(cutList_, &CutListPanel::printAsked, this, [this] {
        sayWhereSaved(printThroughDialog(
            *this, cutList_->sheet(),
            {jobName(QStringLiteral("cut list")), ui::toQString(shownFileStem() + "-cut-list.pdf"), "Print..."}));
    });
    connect(cutList_, &CutListPanel::saveAsked, this, [this] {
        sayWhereSaved(saveThroughDialog(
            *this, QStringLiteral("Save cut list as CSV"), ui::toQString(shownFileStem() + "-cut-list.csv"),
            QStringLiteral("CSV files (*.csv)"), [this](std::ostream& out) { out << nec::csvText(shownCutSheet()); }));
    });
    page->addWidget(charts_, 1);
    buildSaves(*page);
    showUnitsOfMainWindow();
    setRunning(false);
}

void NecCheckWindow::buildSaves(QBoxLayout& page) {
    auto* files = new QHBoxLayout;
    // Each save's dialog is titled with its button's caption; a save says where it went.
    const auto saveButton = [&](const QString& caption, std::function<std::optional<QString>(const QString&)> save) {
        auto* button = new QPushButton(caption);
        const QString title = QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
        connect(button, &QPushButton::clicked, this, [this, title, save] { sayWhereSaved(save(title)); });
        files->addWidget(button);
        return button;
    };
    // The sweep of the design shown.
    const auto sweepFile =
        [this](const QString& extension, const QString& filter,
               std::function<void(std::ostream&, const nec::CheckResult&, const std::vector<std::string>&)> write) {
            return [this, extension, filter, write](const QString& title) -> std::optional<QString> {
                if (!optionsAreChecked()) {
                    tell(
                        QStringLiteral("The model's options shown are not those checked: press Check again "
                                       "(or Tune) to check with them first, then save."));
                    return std::nullopt;
                }
                return saveThroughDialog(
                    *this, title, ui::toQString(shownFileStem()) + QLatin1Char('.') + extension, filter,
                    [this, write](std::ostream& out) { write(out, shownCheck(), shownModel().comments); });
            };
        };
    // The deck needs no engine: it is there from the start.
    saveButton(QStringLiteral("Save &deck..."), [this](const QString& title) { return saveDeck(title); });
    saves_.push_back(saveButton(QStringLiteral("Save results as CS&V..."),
                                sweepFile(QStringLiteral("csv"), QStringLiteral("CSV files (*.csv)"),
                                          [](std::ostream& out, const nec::CheckResult& result, const auto&) {
                                              nec::writeSweepCsv(out, result);
                                          })));
    saves_.push_back(saveButton(
        QStringLiteral("Save &Touchstone..."),
        sweepFile(QStringLiteral("s1p"), QStringLiteral("Touchstone one-port files (*.s1p)"),
                  [](std::ostream& out, const nec::CheckResult& result, const std::vector<std::string>& comments) {
                      nec::writeTouchstone(out, result, comments);
                  })));
    // Every access key is taken: the button is reached with Tab.
    auto* measurement = new QPushButton(QStringLiteral("Open measurement..."));
    measurement->setObjectName(QStringLiteral("openMeasurement"));
    connect(measurement, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Open measurement"), QString(),
                                         QStringLiteral("Analyser sweeps (*.s1p *.ts *.csv);;All files (*)"));
        if (!path.isEmpty()) openMeasurement(path);
    });
    files->addWidget(measurement);
    files->addStretch();
    page.addLayout(files);
    (new QVBoxLayout(feedLineBox_))->addWidget(feedLine_);
    feedLineBox_->hide();
    page.addWidget(feedLineBox_);
    connect(feedLine_, &FeedLinePanel::changed, this, &NecCheckWindow::takeFeedLine);
    saved_->setObjectName(QStringLiteral("saved"));
    saved_->setWordWrap(true);
    saved_->setTextFormat(Qt::PlainText);  // a file's name is never markup
    saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    saved_->hide();
    page.addWidget(saved_);
}

void NecCheckWindow::sayWhereSaved(const std::optional<QString>& path) {
    if (!path) return;
    saved_->setText(ui::toQString("Saved as " + shownFileName(QDir::toNativeSeparators(*path).toStdString())));
    saved_->show();
}

std::optional<QString> NecCheckWindow::saveDeck(const QString& title) {
    if (result_ && optionsAreChecked())
        return saveModelThroughDialog(*this, title, shownFileStem(), shownModel(),
                                      shownCheck().summary.elevationDegrees);
    // Options changed since the check: the checked design, modelled as they say now.
    if (result_) return saveDeckThroughDialog(*this, title, *checked_, model_->options());
    // Before any results: the design as last calculated, modelled as the options say.
    const std::optional<CalculatedDesign> design = source_.lastCalculated();
    if (!design) {
        tell(check_entries::noDesignYet());
        return std::nullopt;
    }
    return saveDeckThroughDialog(*this, title, *design, model_->options());
}

const nec::CheckResult& NecCheckWindow::shownCheck() const { return tuned_ ? tuned_->check : *result_; }

const nec::NecModel& NecCheckWindow::shownModel() const { return tuned_ ? tuned_->model : *checkedModel_; }

std::string NecCheckWindow::shownFileStem() const {
    const std::string stem = nec::checkFileStem(*checked_, checkedOptions_);
    return tuned_ ? nec::tunedFileStem(stem, tuned_->goal) : stem;
}

void NecCheckWindow::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Model"));
    auto* rows = new QVBoxLayout(box);
    rows->addWidget(model_);
    run_->setObjectName(QStringLiteral("run"));
    QHBoxLayout* runRow = window_parts::runRow(*run_, *cancel_, *progress_);
    if (source_.openSeveralBands) {
        auto* several = new QPushButton(check_entries::severalBandsCaption());
        several->setObjectName(QStringLiteral("severalBands"));
        connect(several, &QPushButton::clicked, this, [this] { source_.openSeveralBands(); });
        runRow->addWidget(several);
    }
    rows->addLayout(runRow);
    rows->addWidget(tune_);
    static_cast<QVBoxLayout*>(layout())->addWidget(
        window_parts::optionsScroll(*box, *run_, QStringLiteral("Model options")));
    connect(run_, &QPushButton::clicked, this, &NecCheckWindow::startCheck);
    connect(tune_, &TunePanel::tuneAsked, this, &NecCheckWindow::startTune);
    connect(model_, &ModelOptions::changed, this, &NecCheckWindow::showStaleness);
    connect(cancel_, &QPushButton::clicked, this, [this] { runner_.cancel(); });
}

void NecCheckWindow::reload() {
    result_.reset();
    tuned_.reset();
    trim_.reset();
    asCutTyped_.clear();
    checked_.reset();
    design_->clear();  // the next check names its own design
    removeCharts();
    summary_->clear();
    cutList_->clear();
    showUnitsOfMainWindow();
    for (QLabel* banner : {message_, stale_, saved_}) banner->hide();
    setRunning(false);
}

void NecCheckWindow::showUnitsOfMainWindow() {
    const bool metric = source_.metricShown && source_.metricShown();
    cutList_->setUnits(metric ? nec::CutUnits::Metres : nec::CutUnits::FeetInches);
}

void NecCheckWindow::removeCharts() {
    while (charts_->count() > kFixedTabs) {
        QWidget* page = charts_->widget(kFixedTabs);
        charts_->removeTab(kFixedTabs);
        delete page;
    }
}

void NecCheckWindow::startCheck() {
    if (runner_.running()) {
        checkWhenFree_ = true;           // a closed window's run, cancelled and still ending
        if (fitting_) runner_.cancel();  // a fit of the results a check replaces
        return;
    }
    const std::optional<CalculatedDesign> design = source_.lastCalculated();
    if (!design) {
        tell(check_entries::noDesignYet());
        return;
    }
    if (const auto band = model_->band(); !band) {
        tell(ui::toQString(band.error().message));
        return;
    }
    const nec::QuadDesign input = nec::quadDesignOf(*design);
    const nec::CheckOptions chosen = model_->options();
    const std::optional<nec::NecModel> model = modelToRun(input, chosen);
    if (!model) return;
    // The results shown stay with their own design until this run has its own;
    // with none shown, the heading names the design being checked.
    const QString header = heading(*design, *model);
    if (!result_) design_->setText(header);
    message_->hide();
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("Checking %1: %p%").arg(ui::toQString(nameOf(*design))));
    setRunning(true, QStringLiteral("checking"));
    runner_.start(
        *model, [this](double fraction) { progress_->setValue(static_cast<int>(fraction * kProgressSteps)); },
        [this, design, input, chosen, header, model = *model](const nec::Outcome<nec::CheckResult>& outcome) {
            if (outcome) {
                if (checked_ != design) asCutTyped_.clear();  // what was cut of another design
                checked_ = design;
                checkedInput_ = input;
                checkedOptions_ = chosen;
                checkedModel_ = model;
                tuned_.reset();  // it tuned the design checked before
                design_->setText(header);
            }
            finish(outcome);
        });
}

void NecCheckWindow::startTune() {
    if (runner_.running() || !result_) return;
    const nec::TuneGoal goal = tune_->goal();
    const auto showProgress = [this](double fraction) {
        progress_->setValue(static_cast<int>(fraction * kProgressSteps));
    };
    if (!optionsAreChecked()) {
        // The options shown are those tuned with: the checked design is checked with them first.
        const nec::CheckOptions chosen = model_->options();
        const std::optional<nec::NecModel> model = modelToRun(checkedInput_, chosen);
        if (!model) return;
        startRun(QStringLiteral("Checking and tuning %1 for %2: %p%"), goal);
        runner_.startCheckThenTune(
            *model, goal, showProgress,
            [this, chosen, model = *model](const nec::Outcome<CheckRunner::CheckedAndTuned>& outcome) {
                if (outcome) {
                    checkedOptions_ = chosen;
                    checkedModel_ = model;
                    result_ = outcome->check;
                    design_->setText(heading(*checked_, model));
                }
                finishTune(outcome ? nec::Outcome<nec::Tuned>(outcome->tuned)
                                   : nec::Outcome<nec::Tuned>(Refused{outcome.error()}));
            });
        return;
    }
    startRun(QStringLiteral("Tuning %1 for %2: %p%"), goal);
    // On the snapshot of the results shown: what the main window does meanwhile makes them stale, no more.
    runner_.startTune(*checkedModel_, *result_, goal, showProgress,
                      [this](const nec::Outcome<nec::Tuned>& outcome) { finishTune(outcome); });
}

std::optional<nec::NecModel> NecCheckWindow::modelToRun(const nec::QuadDesign& input,
                                                        const nec::CheckOptions& options) {
    auto model = nec::buildModel(input, options);
    if (!model) {
        tell(ui::toQString(model.error().message));
        return std::nullopt;
    }
    if (!window_parts::agreesToRun(*this, *model)) return std::nullopt;
    return std::move(*model);
}

void NecCheckWindow::startRun(const QString& format, nec::TuneGoal goal) {
    message_->hide();
    progress_->setValue(0);
    progress_->setFormat(format.arg(ui::toQString(nameOf(*checked_)), goalWord(goal)));
    setRunning(true, QStringLiteral("tuning for %1").arg(goalWord(goal)));
}

void NecCheckWindow::checkIfOutOfDate() {
    if (runner_.running() || (result_ && source_.lastCalculated() == checked_)) return;
    startCheck();
}

bool NecCheckWindow::optionsAreChecked() const { return model_->options() == checkedOptions_; }

bool NecCheckWindow::startPendingCheck() {
    if (!std::exchange(checkWhenFree_, false)) return false;
    setRunning(false);
    startCheck();
    return true;
}

void NecCheckWindow::finish(const nec::Outcome<nec::CheckResult>& outcome) {
    if (startPendingCheck()) return;
    if (!outcome) {
        setRunning(false);
        tell(outcome.error().message != nec::kCancelledMessage ? ui::toQString(outcome.error().message)
             : result_ ? QStringLiteral("The check was cancelled; the results shown before stay as they were.")
                       : QStringLiteral("The check was cancelled before it had results. Press Check again to "
                                        "check the design."));
        return;
    }
    result_ = *outcome;
    trim_.reset();  // of the design shown before
    setRunning(false);
    progress_->setValue(kProgressSteps);
    showResult();
    showStaleness();
    startFitAndTrim();  // the measurement open, fitted to the design now shown
}

void NecCheckWindow::finishTune(const nec::Outcome<nec::Tuned>& outcome) {
    if (startPendingCheck()) return;
    setRunning(false);
    if (!outcome) {
        tell(outcome.error().message == nec::kCancelledMessage
                 ? QStringLiteral("The tuning was cancelled; the results shown stay as they were.")
                 : ui::toQString(outcome.error().message) +
                       QStringLiteral(" The results shown are those of before the tuning."));
        return;
    }
    progress_->setValue(kProgressSteps);
    if (!outcome->feasible) {  // the least violating design is no length to cut
        QString missed;
        for (const std::string& m : outcome->missed)
            missed += (missed.isEmpty() ? QString() : QStringLiteral("; ")) + ui::toQString(m);
        tell(QStringLiteral("Tuning for band found no design within the bounds that meets its constraints (%1). "
                            "The results shown are those of before the tuning.")
                 .arg(missed));
        return;
    }
    tuned_ = *outcome;
    trim_.reset();  // of the design shown before
    showResult();
    showStaleness();
    startFitAndTrim();
}

nec::CutSheet NecCheckWindow::shownCutSheet() const {
    const std::optional<CableType> cable = source_.cable ? source_.cable() : std::nullopt;
    const std::optional<float> velocityFactor = cable ? std::optional<float>(cable->velFactor) : std::optional<float>();
    const nec::FeedAdvice feed = nec::adviseFeed(shownCheck(), checkedInput_.lockedMHz, velocityFactor);
    nec::CutListFacts facts{
        nameOf(*checked_), &checkedInput_, &*checkedModel_, &*result_, tuned_ ? &*tuned_ : nullptr, &feed, cable};
    const std::vector<double> asCut = asCutMetres();
    if (measured_) facts.asCutMetres = &asCut;
    nec::CutSheet sheet = nec::cutSheet(facts, cutList_->units());
    if (trim_)
        for (std::string& note : nec::trimNotes(*trim_, cutList_->units())) sheet.notes.push_back(std::move(note));
    return sheet;
}

QString NecCheckWindow::jobName(const QString& what) const {
    QString name = QStringLiteral("loopbeam %1 MHz %2 el")
                       .arg(chart_parts::lockedText(checkedInput_))
                       .arg(checkedInput_.elements());
    if (tuned_) name += QStringLiteral(" tuned for ") + goalWord(tuned_->goal);
    return name + QLatin1Char(' ') + what;
}

QWidget* NecCheckWindow::chartPage(QWidget* chart, const QString& what, const std::string& fileWord) {
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(chart, 1);
    auto* buttons = new QHBoxLayout;
    const auto fileName = [this, fileWord](const char* extension) {
        return ui::toQString(shownFileStem() + "-" + fileWord + "." + extension);
    };
    const auto picture = [&](const QString& caption, const char* extension, const QString& filter, auto bytesOf) {
        auto* button = new QPushButton(caption);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, chart, what, fileName, extension, filter, bytesOf] {
            const QString title = QStringLiteral("Save the %1 chart as %2").arg(what, QString(extension).toUpper());
            sayWhereSaved(saveThroughDialog(*this, title, fileName(extension), filter, [&](std::ostream& out) {
                const QByteArray bytes = bytesOf(*chart, jobName(what));
                out.write(bytes.constData(), bytes.size());
            }));
        });
    };
    picture(QStringLiteral("Save as PNG..."), "png", QStringLiteral("PNG pictures (*.png)"),
            [](QWidget& shown, const QString&) { return chart_parts::pngOf(shown); });
    picture(QStringLiteral("Save as SVG..."), "svg", QStringLiteral("SVG drawings (*.svg)"), &chart_parts::svgOf);
    auto* print = new QPushButton(QStringLiteral("Print..."));
    print->setShortcut(QKeySequence::Print);  // on this page only: its buttons are hidden on the others
    buttons->addWidget(print);
    connect(print, &QPushButton::clicked, this, [this, chart, what, fileName] {
        sayWhereSaved(printThroughDialog(*this, *chart, {jobName(what), fileName("pdf"), "Print..."}));
    });
    buttons->addStretch();
    rows->addLayout(buttons);
    return page;
}

void NecCheckWindow::showCutList() {
    if (result_) cutList_->show(shownCutSheet());
}

void NecCheckWindow::showResult() {
    const double locked = checkedInput_.lockedMHz;
    const nec::FeedAdvice feed = nec::adviseFeed(*result_, locked, std::nullopt);
    std::optional<nec::FeedAdvice> tunedFeed;
    if (tuned_) tunedFeed = nec::adviseFeed(tuned_->check, locked, std::nullopt);
    QStringList headings{QStringLiteral("Calculated")};
    if (tuned_) headings << ui::toQString(nec::tunedHeading(tuned_->goal));
    std::vector<nec::TextRow> rows = nec::comparisonRows(
        checkedInput_, *checkedModel_, *result_, feed, tuned_ ? &*tuned_ : nullptr, tunedFeed ? &*tunedFeed : nullptr);
    const std::optional<MovedMeasurement> moved = measurementToShow();
    if (moved) addMeasuredRows(headings, rows, *moved);
    summary_->setRows(headings, rows);
    showCutList();

    const int shownTab = charts_->currentIndex();  // a new check keeps the tab the user was reading
    removeCharts();
    using chart_parts::chartView;
    const nec::QuadDesign& design = checkedInput_;
    const std::vector<chart_parts::Drawn> drawn = chart_parts::drawnChecks(*result_, tuned_ ? &tuned_->check : nullptr);
    const nec::MeasuredSweep* measuredShown = moved ? &moved->atFeed : nullptr;
    charts_->addTab(chartPage(chartView(swrChart(drawn, design, measuredShown), QStringLiteral("swrChart"),
                                        QStringLiteral("SWR chart")),
                              QStringLiteral("SWR"), "swr"),
                    QStringLiteral("&SWR"));
    charts_->addTab(chartPage(chartView(impedanceChart(drawn, design, measuredShown), QStringLiteral("impedanceChart"),
                                        QStringLiteral("Feed resistance and reactance chart")),
                              QStringLiteral("R and X"), "r-and-x"),
                    QStringLiteral("&R and X"));
    // No access key of its own: every letter of its name has one already.
    charts_->addTab(chartPage(chartView(gainChart(drawn, design), QStringLiteral("gainChart"),
                                        QStringLiteral("Forward gain, front-to-back and front-to-rear chart")),
                              QStringLiteral("gain and F/R"), "gain-and-fr"),
                    QStringLiteral("Gain and F/R"));
    auto* smith = new SmithChart(drawn, design, measuredShown);
    smith->setObjectName(QStringLiteral("smithChart"));
    smith->setMinimumSize(chart_parts::kMinimumChartSize);
    charts_->addTab(chartPage(smith, QStringLiteral("Smith chart"), "smith-chart"), QStringLiteral("S&mith chart"));
    // The patterns of the design shown.
    const QString whose = tuned_ ? ui::toQString(nec::tunedHeading(tuned_->goal)) : QString();
    charts_->addTab(chartPage(azimuthPage(shownCheck(), design, whose), QStringLiteral("azimuth pattern"), "azimuth"),
                    QStringLiteral("A&zimuth"));
    charts_->addTab(chartPage(elevationPage(shownCheck(), design, checkedOptions_, whose),
                              QStringLiteral("elevation pattern"), "elevation"),
                    QStringLiteral("&Elevation"));
    charts_->setCurrentIndex(std::max(shownTab, 0));
    saved_->hide();  // what was saved belongs to the results before
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
    // Back from the matching window: the cut list names the cable chosen there now, and the measurement
    // goes back through the section cut from it.
    if (event->type() == QEvent::WindowActivate) {
        showCutList();
        followSectionCable();
    }
    return handled;
}

void NecCheckWindow::showEvent(QShowEvent* event) {
    // Opened anew (not moved by the user since): beside the main window where the screen has room.
    if (!event->spontaneous() && !testAttribute(Qt::WA_Moved) && source_.mainFrame) openBesideMainWindow();
    QWidget::showEvent(event);
}

void NecCheckWindow::openBesideMainWindow() {
    openBeside(*this, {source_.mainFrame, source_.keepInView, source_.mainFrameMargins}, kPreferredSize);
}

void NecCheckWindow::closeEvent(QCloseEvent* event) {
    runner_.cancel();  // closing the window ends its check, its tuning or its fit
    fitWhenFree_ = false;
    QWidget::closeEvent(event);
}

// While a run is on, the title says so: the task bar shows it with the window out of view.
void NecCheckWindow::setRunning(bool running, const QString& doing) {
    if (!running) progress_->setFormat(QStringLiteral("%p%"));
    setWindowTitle(running ? QStringLiteral("%1 (%2)").arg(title(), doing) : title());
    run_->setEnabled(!running);
    tune_->setTuneEnabled(!running && result_.has_value());
    cancel_->setEnabled(running);
    progress_->setEnabled(running);
    for (QPushButton* button : saves_) button->setEnabled(result_.has_value());
}

void NecCheckWindow::tell(const QString& message) {
    message_->setText(message);
    message_->show();
}

}  // namespace loopbeam
