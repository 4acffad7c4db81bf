#include "severalbands/several_bands_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "common/shown_name.h"
#include "design/messages.h"
#include "nec/check/check_report.h"
#include "nec/choice_table.h"
#include "nec/multiband/band_check.h"
#include "nec/multiband/spider_band_goal.h"
#include "nec/multiband/spider_cut.h"
#include "nec/printf_text.h"
#include "nec/tuning/comparison.h"
#include "necwindow/check_files.h"
#include "necwindow/panels/cut_list_panel.h"
#include "necwindow/panels/model_options.h"
#include "necwindow/panels/tune_panel.h"
#include "necwindow/print_through_dialog.h"
#include "necwindow/window_parts.h"
#include "severalbands/panels/band_list.h"
#include "severalbands/panels/band_page.h"
#include "ui/accessibility.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

using window_parts::kProgressSteps;
constexpr QSize kPreferredSize(960, 720);
constexpr nec::SweepMethod kMethod = nec::SweepMethod::Fitted;  // as the check window's

QString title() { return QStringLiteral("Several bands"); }

QString goalWord(nec::TuneGoal goal) { return ui::toQString(nec::rowOf(nec::kTuneGoals, goal).word); }

// "quad-14.2-21.2MHz-awg14": the saved files' names.
std::string fileStem(const nec::MultibandDesign& design) {
    std::string stem = "quad";
    for (const nec::BandRule& band : design.bands) stem += nec::printfText("-%g", band.mhz);
    return stem + nec::printfText("MHz-awg%d", design.gauge);
}

}  // namespace

SeveralBandsWindow::SeveralBandsWindow(MainWindowFrame main)
    : main_(std::move(main)),
      bands_(new BandList),
      model_(new ModelOptions),
      check_(new QPushButton(QStringLiteral("&Check"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))),
      progress_(new QProgressBar),
      tune_(new TunePanel(nec::tunesSeveralBands, nec::spiderTuneChanges)),
      heading_(new QLabel),
      stale_(new QLabel),
      message_(new QLabel),
      tabs_(new QTabWidget),
      cutList_(new CutListPanel),
      saved_(new QLabel) {
    ui::installAccessibility();
    setObjectName(QStringLiteral("SeveralBands"));
    setWindowTitle(title());
    resize(kPreferredSize);
    auto* page = new QVBoxLayout(this);

    auto* box = new QGroupBox(QStringLiteral("Bands and model"));
    auto* rows = new QVBoxLayout(box);
    rows->addWidget(bands_);
    model_->hideBand();  // each band is taken over its own estimated range
    rows->addWidget(model_);
    // On a low screen the options scroll, the bands kept in view; Check and Tune stay below them.
    QScrollArea* options = window_parts::optionsScroll(*box, *check_, QStringLiteral("Bands and model options"));
    options->setMinimumHeight(bands_->sizeHint().height() + 2 * check_->sizeHint().height());
    page->addWidget(options);
    check_->setObjectName(QStringLiteral("check"));
    progress_->setObjectName(QStringLiteral("progress"));
    page->addLayout(window_parts::runRow(*check_, *cancel_, *progress_));
    page->addWidget(tune_);

    window_parts::makeHeading(*heading_);
    page->addWidget(heading_);
    window_parts::makeBanner(*stale_, QStringLiteral("stale"), QStringLiteral("#fff3b0"));
    page->addWidget(stale_);
    window_parts::makeBanner(*message_, QStringLiteral("message"), QStringLiteral("#ffd6d6"));
    page->addWidget(message_);

    tabs_->setObjectName(QStringLiteral("bandTabs"));
    tabs_->setAccessibleName(QStringLiteral("Results band by band"));
    tabs_->setUsesScrollButtons(true);
    cutList_->hideUnits();  // the list gives feet and inches and metres at once
    tabs_->addTab(cutList_, QStringLiteral("Cut &list"));
    page->addWidget(tabs_, 1);
    saved_->setObjectName(QStringLiteral("saved"));
    saved_->setWordWrap(true);
    saved_->setTextFormat(Qt::PlainText);  // a file's name is never markup
    saved_->hide();
    page->addWidget(saved_);

    connect(check_, &QPushButton::clicked, this, &SeveralBandsWindow::startCheck);
    connect(cancel_, &QPushButton::clicked, this, [this] { runner_.cancel(); });
    connect(tune_, &TunePanel::tuneAsked, this, &SeveralBandsWindow::startTune);
    connect(bands_, &BandList::changed, this, &SeveralBandsWindow::showStaleness);
    connect(model_, &ModelOptions::changed, this, &SeveralBandsWindow::showStaleness);
    const auto sayWhereSaved = [this](const std::optional<QString>& path) {
        if (!path) return;
        saved_->setText(ui::toQString("Saved as " + shownFileName(QDir::toNativeSeparators(*path).toStdString())));
        saved_->show();
    };
    connect(cutList_, &CutListPanel::printAsked, this, [this, sayWhereSaved] {
        const std::string stem = fileStem(checked_->design);
        sayWhereSaved(printThroughDialog(
            *this, cutList_->sheet(),
            {QStringLiteral("loopbeam %1 cut list").arg(ui::toQString(nec::bandsText(checked_->design))),
             ui::toQString(stem + "-cut-list.pdf"), "Print..."}));
    });
    connect(cutList_, &CutListPanel::saveAsked, this, [this, sayWhereSaved] {
        sayWhereSaved(saveThroughDialog(
            *this, QStringLiteral("Save cut list as CSV"), ui::toQString(fileStem(checked_->design) + "-cut-list.csv"),
            QStringLiteral("CSV files (*.csv)"), [this](std::ostream& out) { out << nec::spiderCutCsv(cutSheet()); }));
    });
    setRunning(false);
}

QString SeveralBandsWindow::message() const { return message_->isVisible() ? message_->text() : QString(); }

void SeveralBandsWindow::reload() {
    checked_.reset();
    while (tabs_->count() > 1) {
        QWidget* band = tabs_->widget(0);
        tabs_->removeTab(0);
        delete band;
    }
    cutList_->clear();
    heading_->clear();
    for (QLabel* label : {stale_, message_, saved_}) label->hide();
    setRunning(runner_.running());               // a run cancelled on closing may still be ending: it tells when it has
    if (!runner_.running()) progress_->reset();  // no bar full of a check no longer shown
}

void SeveralBandsWindow::startCheck() {
    if (runner_.running()) return;
    message_->hide();
    if (const auto comma = nec::decimalCommaIn(bands_->otherCentres())) return tell(ui::toQString(*comma));
    const BandsAsked now = asked();
    auto design = nec::designBands(now.typed, now.gauge, messages::forBandList);
    if (!design) return tell(ui::toQString(design.error().message));
    BandsChecked pending{now, std::move(*design), {}, now.options, {}, {}, {}, {}, {}};
    auto spider = nec::buildSpider(pending.design, pending.options, now.unusedFeeds);
    if (!spider) return tell(ui::toQString(spider.error().message));
    pending.spider = std::move(*spider);
    auto models = nec::bandModels(pending.design, pending.spider, pending.options);
    if (!models) return tell(ui::toQString(models.error().message));
    pending.models = std::move(*models);
    // Every band's model holds every loop: the first stands for them all.
    if (!window_parts::agreesToRun(*this, pending.models.front())) return;
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("Checking %1: %p%").arg(ui::toQString(nec::bandsText(pending.design))));
    setRunning(true, QStringLiteral("checking"));
    std::vector<nec::NecModel> run = pending.models;  // before pending moves into the finish
    runner_.startWork<std::vector<nec::CheckResult>>(
        [run = std::move(run)](const nec::RunControl& control) { return nec::checkBands(run, control, kMethod); },
        [this](double fraction) { progress_->setValue(static_cast<int>(fraction * kProgressSteps)); },
        [this, pending = std::move(pending)](const nec::Outcome<std::vector<nec::CheckResult>>& outcome) {
            finishCheck(pending, outcome);
        });
}

void SeveralBandsWindow::finishCheck(BandsChecked pending, const nec::Outcome<std::vector<nec::CheckResult>>& outcome) {
    if (!outcome) {
        setRunning(false);
        const QString kept = checked_ ? QStringLiteral(" The results shown are those of before.") : QString();
        tell(outcome.error().message != nec::kCancelledMessage
                 ? ui::toQString(outcome.error().message) + kept +
                       QStringLiteral(" Change the bands or the model's options and press Check again.")
             : checked_ ? QStringLiteral("The check was cancelled.") + kept
                        : QStringLiteral("The check was cancelled before it had results. Press Check to check the "
                                         "bands."));
        return;
    }
    pending.results = *outcome;
    pending.feeds = nec::bandFeeds(pending.design, pending.results);
    checked_ = std::move(pending);
    setRunning(false);  // Tune now has a spider to tune
    progress_->setValue(kProgressSteps);
    showResults();
}

void SeveralBandsWindow::startTune() {
    if (runner_.running() || !checked_) return;
    message_->hide();
    const nec::TuneGoal goal = tune_->goal();
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    progress_->setFormat(
        QStringLiteral("Tuning %1 for %2: %p%").arg(ui::toQString(nec::bandsText(checked_->design)), goalWord(goal)));
    setRunning(true, QStringLiteral("tuning for %1").arg(goalWord(goal)));
    runner_.startWork<nec::TunedBands>(
        [design = checked_->design, spider = checked_->spider, options = checked_->options, goal,
         results = checked_->results, feeds = checked_->feeds](const nec::RunControl& control) {
            // The band goal holds each band's SWR at most 2 through its recommended feed, as the check window's does.
            return nec::tuneAndCheckBands(design, spider, options, control, goal, kMethod, {results, feeds, {}});
        },
        [this](double fraction) { progress_->setValue(static_cast<int>(fraction * kProgressSteps)); },
        [this](const nec::Outcome<nec::TunedBands>& outcome) { finishTune(outcome); });
}

void SeveralBandsWindow::finishTune(const nec::Outcome<nec::TunedBands>& outcome) {
    setRunning(false);
    if (!outcome) {
        tell(outcome.error().message == nec::kCancelledMessage
                 ? QStringLiteral("The tuning was cancelled; the results shown stay as they were.")
                 : ui::toQString(outcome.error().message) +
                       QStringLiteral(" The results shown are those of before the tuning; try the other goal, or "
                                      "bands further apart."));
        return;
    }
    if (!outcome->tuned.metEveryBand()) {
        tell(QStringLiteral("Tuning for band found no lengths that meet every band's limits (%1). The results shown "
                            "are those of before the tuning; try resonance or front-to-back.")
                 .arg(ui::toQString(nec::missedText(checked_->design, outcome->tuned))));
        return;
    }
    checked_->tuned = *outcome;
    checked_->tunedFeeds = nec::bandFeeds(checked_->design, outcome->results);
    progress_->setValue(kProgressSteps);
    showResults();
}

BandsAsked SeveralBandsWindow::asked() const {
    return {bands_->typed(), bands_->gauge(), bands_->unusedFeeds(), model_->options()};
}

void SeveralBandsWindow::showStaleness() {
    const bool stale = checked_ && checked_->asked != asked();
    // Tune tunes the spider checked, as the heading names it.
    stale_->setText(stale ? QStringLiteral("These results belong to the bands and options checked before, as the "
                                           "heading says. Press Check to check those shown now.")
                          : QString());
    stale_->setVisible(stale);
    keepOnScreen();
}

nec::SpiderCutSheet SeveralBandsWindow::cutSheet() const {
    const nec::SpiderCut cut =
        nec::spiderCut(checked_->design, checked_->spider, checked_->tuned ? &checked_->tuned->tuned : nullptr);
    return nec::spiderCutSheet(checked_->design, cut, nec::conditionsOf(checked_->models.front()));
}

void SeveralBandsWindow::showResults() {
    const BandsChecked& shown = *checked_;
    const std::string unused = nec::unusedFeedsLine(shown.spider);
    heading_->setText(ui::toQString("Two-element quad for " + nec::bandsText(shown.design) +
                                    nec::printfText(" on one spider, AWG %d - ", shown.design.gauge) +
                                    nec::conditionsOf(shown.models.front()) + "\n" + unused +
                                    "; each band has a feed line of its own" +
                                    (shown.tuned ? "\n" + nec::spiderTunedLine(shown.tuned->tuned) + "." : "")));
    const int current = tabs_->currentIndex();
    while (tabs_->count() > 1) {
        QWidget* band = tabs_->widget(0);
        tabs_->removeTab(0);
        delete band;
    }
    const QString tunedHeading = shown.tuned ? ui::toQString(nec::tunedHeading(shown.tuned->tuned.goal)) : QString();
    for (std::size_t band = 0; band < shown.results.size(); ++band) {
        const bool tuned = shown.tuned.has_value();
        BandShown page{&shown.design,
                       band,
                       &shown.results[band],
                       &shown.feeds[band],
                       tuned ? &shown.tuned->results[band] : nullptr,
                       tuned ? &shown.tunedFeeds[band] : nullptr,
                       tunedHeading,
                       ui::toQString(unused)};
        tabs_->insertTab(static_cast<int>(band), new BandPage(page),
                         QStringLiteral("%1 MHz").arg(shown.design.bands[band].mhz));
    }
    tabs_->setCurrentIndex(std::clamp(current, 0, tabs_->count() - 1));
    const nec::SpiderCutSheet sheet = cutSheet();
    cutList_->show(sheet.title, nec::spiderCutTable(sheet), sheet.notes, nec::spiderCutText(sheet));
    saved_->hide();   // what was saved belongs to the results before
    showStaleness();  // and keeps the window, grown by the tabs, on the screen
}

// A band's tab, and a banner, raise the window's minimum height over that of
// the window opened without results: the window grows to it at once, and
// one grown past the screen's foot moves up (not one the user made taller).
void SeveralBandsWindow::keepOnScreen() {
    layout()->activate();  // new tabs ask for their minimum only through an event: give it now
    const QRect screen = this->screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const int overflow = frame.bottom() - screen.bottom();
    if (height() == minimumHeight() && overflow > 0)
        move(frame.topLeft() - QPoint(0, std::min(overflow, std::max(0, frame.top() - screen.top()))));
}

// While a run is on, the title says so: the task bar shows it with the window out of view.
void SeveralBandsWindow::setRunning(bool running, const QString& doing) {
    if (!running) {
        progress_->setRange(0, kProgressSteps);
        progress_->setFormat(QStringLiteral("%p%"));
    }
    setWindowTitle(running ? QStringLiteral("%1 (%2)").arg(title(), doing) : title());
    check_->setEnabled(!running);
    tune_->setTuneEnabled(!running && checked_.has_value());
    cancel_->setEnabled(running);
    progress_->setEnabled(running);
}

void SeveralBandsWindow::tell(const QString& message) {
    message_->setText(message);
    message_->show();
    keepOnScreen();
}

void SeveralBandsWindow::showEvent(QShowEvent* event) {
    // Opened anew (not moved by the user since): beside the main window where the screen has room.
    if (!event->spontaneous() && !testAttribute(Qt::WA_Moved) && main_.frame) openBeside(*this, main_, kPreferredSize);
    QWidget::showEvent(event);
}

void SeveralBandsWindow::closeEvent(QCloseEvent* event) {
    runner_.cancel();  // closing the window ends its check or its tuning
    QWidget::closeEvent(event);
}

}  // namespace loopbeam
