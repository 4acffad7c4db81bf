// The check window's measurement: opened, moved back to the feed point
// through the lines its fields name, set beside the model in the summary,
// and fitted as cut on the runner, again whenever those change.

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <utility>

#include "nec/check/feed_advice.h"
#include "nec/cut/typed_length.h"
#include "nec/measured/as_cut.h"
#include "nec/measured/measured_rows.h"
#include "nec/measured/measured_summary.h"
#include "nec/measured/measurement_file.h"
#include "nec/measured/measurement_path.h"
#include "necwindow/charts/chart_parts.h"
#include "necwindow/nec_check_window.h"
#include "necwindow/window_parts.h"
#include "ui/show_outcome.h"

namespace loopbeam {
namespace {

constexpr nec::SectionRemedies kRemedies{"untick \"Through the quarter-wave section\"",
                                         "choose its cable in the matching window"};

// The core's clause as a sentence of the window's.
QString sentence(const std::string& clause) {
    QString text = ui::toQString(clause);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

}  // namespace

bool NecCheckWindow::openMeasurement(const QString& path) {
    auto read = nec::readMeasurementFile(QDir::toNativeSeparators(path).toStdString());
    if (!read) {
        tell(ui::toQString(read.error().message));
        return false;
    }
    measured_ = std::move(*read);
    feedLineBox_->show();
    message_->hide();
    refit();
    return true;
}

void NecCheckWindow::refit() {
    trim_.reset();
    if (result_) showResult();
    if (!runner_.running()) {
        startFitAndTrim();
        return;
    }
    // A check or a tuning fits when it ends; a fit of what was there before starts again.
    if (fitting_) {
        fitWhenFree_ = true;
        runner_.cancel();
    }
}

void NecCheckWindow::startFitAndTrim() {
    if (runner_.running() || !result_ || !measured_ || !optionsAreChecked()) return;
    const auto moved = movedMeasurement();
    if (!moved || moved->atFeed.empty()) return;  // the summary says why
    auto asCut = asCutModel(asCutMetres());
    if (!asCut) {
        tell(sentence(asCut.error().message));
        return;
    }
    const nec::TuneGoal goal = tuned_ ? tuned_->goal : nec::TuneGoal::Resonance;
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("Fitting the measurement: %p%"));
    setRunning(true, QStringLiteral("fitting the measurement"));
    fitting_ = true;
    runner_.startFitAndTrim(
        std::move(*asCut), *result_, moved->atFeed, goal,
        [this](double fraction) { progress_->setValue(static_cast<int>(fraction * window_parts::kProgressSteps)); },
        [this](const nec::Outcome<nec::FittedTrim>& outcome) {
            fitting_ = false;
            const bool again = std::exchange(fitWhenFree_, false);
            if (startPendingCheck()) return;  // its end fits the design it shows
            setRunning(false);
            if (again) {
                startFitAndTrim();
                return;
            }
            if (!outcome) {
                if (outcome.error().message != nec::kCancelledMessage) tell(ui::toQString(outcome.error().message));
                return;
            }
            trim_ = *outcome;
            showCutList();
        });
}

nec::Outcome<NecCheckWindow::MovedMeasurement> NecCheckWindow::movedMeasurement() const {
    const std::optional<CableType> cable = source_.cable ? source_.cable() : std::nullopt;
    const std::optional<float> velocityFactor = cable ? std::optional<float>(cable->velFactor) : std::nullopt;
    const double locked = checkedInput_.lockedMHz;
    // The section as the cut list gives it: the design shown's.
    const auto path =
        nec::describedPath(feedLine_->feedline(locked), feedLine_->throughSection(),
                           nec::adviseFeed(shownCheck(), locked, velocityFactor), velocityFactor, kRemedies);
    if (!path) return nec::refuse(path.error().message);
    return MovedMeasurement{nec::atFeedPoint(chart_parts::measuredWithin(&*measured_, *result_), path->path),
                            path->words};
}

std::optional<NecCheckWindow::MovedMeasurement> NecCheckWindow::measurementToShow() {
    if (!measured_) return std::nullopt;
    auto moved = movedMeasurement();
    shownThrough_ = moved ? moved->through : moved.error().message;
    if (moved) return std::move(*moved);
    tell(sentence(moved.error().message));
    return std::nullopt;
}

void NecCheckWindow::followSectionCable() {
    if (!measured_ || !result_ || !feedLine_->throughSection()) return;
    const auto moved = movedMeasurement();
    if ((moved ? moved->through : moved.error().message) != shownThrough_) refit();
}

void NecCheckWindow::addMeasuredRows(QStringList& headings, std::vector<nec::TextRow>& rows,
                                     const MovedMeasurement& moved) const {
    const std::size_t models = static_cast<std::size_t>(headings.size());
    headings << QStringLiteral("Measured");
    for (nec::TextRow& row : rows)
        if (!row.values.empty()) row.values.resize(models + 1);
    const auto inMeasuredColumn = [models](std::string text) {
        std::vector<std::string> values(models, "");
        values.push_back(std::move(text));
        return values;
    };
    if (moved.atFeed.empty()) {
        rows.push_back({"Measured", {}});
        rows.push_back({"The measurement", inMeasuredColumn("no point within the sweep")});
        return;
    }
    rows.push_back({moved.through.empty() ? "Over the measured span (50 ohm, at the feed point)"
                                          : "Over the measured span (50 ohm, moved back to the feed point)",
                    {}});
    if (!moved.through.empty()) rows.push_back({"Moved back through", inMeasuredColumn(moved.through)});
    // Each model's figures over the measured span, then the measurement's: as the command line's table.
    std::vector<nec::MeasuredSummary> summaries{nec::summariseModelOver(*result_, moved.atFeed, checkedInput_)};
    if (tuned_) summaries.push_back(nec::summariseModelOver(tuned_->check, moved.atFeed, checkedInput_));
    summaries.push_back(nec::summariseMeasurement(moved.atFeed, checkedInput_));
    std::vector<const nec::MeasuredSummary*> columns;
    for (const nec::MeasuredSummary& summary : summaries) columns.push_back(&summary);
    for (nec::TextRow& row : nec::measuredRows(columns)) rows.push_back(std::move(row));
}

void NecCheckWindow::takeFeedLine() {
    if (!measured_ || !result_) return;  // read when there is a measurement to move
    if (const auto moved = movedMeasurement(); !moved) {
        tell(sentence(moved.error().message));
        feedLine_->clearThroughSection();  // the one field that can be refused: it stays as it was
        return;
    }
    message_->hide();
    refit();
}

void NecCheckWindow::takeAsCut(int loop, const QString& text) {
    std::vector<double> cut = asCutMetres();
    if (!result_ || loop < 0 || static_cast<std::size_t>(loop) >= cut.size()) return;
    const std::size_t at = static_cast<std::size_t>(loop);
    const auto metres = nec::typedLength(text.toStdString(), cutList_->units());
    if (metres) cut[at] = *metres;
    const auto model = metres ? asCutModel(cut) : nec::Outcome<nec::NecModel>(nec::refuse(metres.error().message));
    if (!model) {
        tell(sentence("the " + nec::loopWord(at) + " as cut: " + model.error().message) +
             QStringLiteral(" The length before stays."));
        showCutList();  // the earlier length shown again
        return;
    }
    asCutTyped_.resize(cut.size());
    asCutTyped_[at] = *metres;
    message_->hide();
    refit();
}

std::vector<double> NecCheckWindow::asCutMetres() const {
    const nec::NecModel& shown = shownModel();
    std::vector<double> metres;
    for (std::size_t i = 0; i < shown.loops.size(); ++i)
        metres.push_back(i < asCutTyped_.size() && asCutTyped_[i] ? *asCutTyped_[i] : shown.loops[i].perimeterMetres);
    return metres;
}

nec::Outcome<nec::NecModel> NecCheckWindow::asCutModel(const std::vector<double>& metres) const {
    const nec::NecModel& shown = shownModel();
    std::vector<nec::AsCutLength> lengths;
    bool asShown = true;
    for (std::size_t i = 0; i < metres.size(); ++i) {
        lengths.push_back({nec::loopWord(i), metres[i]});
        asShown = asShown && metres[i] == shown.loops[i].perimeterMetres;
    }
    if (asShown) return shown;  // the design shown itself, as the command line fits by default
    return nec::asCutModel(shown, lengths);
}

}  // namespace loopbeam
