#pragma once
// The NEC-2 check window: the design as last calculated, modelled as the
// user chooses (ModelOptions: ground, loop shape, wire), run in the
// background with progress and Cancel, then its summary, its cut list, the
// SWR curve, R and X, gain, F/B and F/R, the Smith chart, the azimuth and elevation patterns,
// and the files to save, and an analyser's measurement beside the model. It tunes the checked design for a goal the
// same way, and then shows the tuned design beside the calculated one. It says when the main window no longer shows the
// design its results belong to.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "design/cables.h"
#include "design/calculated_design.h"
#include "nec/check/check_result.h"
#include "nec/measured/measured_sweep.h"
#include "nec/measured/trim.h"
#include "nec/model/nec_model.h"
#include "nec/tuning/tune.h"
#include "necwindow/check_runner.h"
#include "necwindow/panels/cut_list_panel.h"
#include "necwindow/panels/feed_line_panel.h"
#include "necwindow/panels/model_options.h"
#include "necwindow/panels/summary_panel.h"
#include "necwindow/panels/tune_panel.h"

class QBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace loopbeam {

// What the check window asks of the main window and the matching window.
struct CheckSource {
    std::function<std::optional<CalculatedDesign>()> lastCalculated;
    // What the user has changed in the main window since the design was calculated.
    std::function<std::vector<std::string>(const CalculatedDesign&)> changesSince;
    // The main window's frame, to open beside it.
    std::function<QRect()> mainFrame;
    // The main window's boxes to leave in view where the check window must cover it, on the screen.
    std::function<std::vector<QRect>()> keepInView;
    // The main window's frame margins: the check window's own, where the window manager tells them only
    // once it is shown, are taken to be alike.
    std::function<QMargins()> mainFrameMargins;
    // Whether the main window shows its lengths in metres now.
    std::function<bool()> metricShown;
    // The cable chosen in the matching window, if any.
    std::function<std::optional<CableType>()> cable;
    // Opens the window of a quad for several bands.
    std::function<void()> openSeveralBands;
};

class NecCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit NecCheckWindow(CheckSource source);

    // Shown again after the user closed it: no results, the options kept.
    void reload();

    // Checks the design as last calculated with the options shown.
    void startCheck();
    // Checks it unless it is the design checked or being checked.
    void checkIfOutOfDate();
    // Tunes the checked design as calculated, never a tuned one, for the goal chosen, with the
    // options shown: where they are not those checked, it checks with them first.
    void startTune();

    // The last check's figures, the tuning of that design, and the runner of both (for its children and files).
    const std::optional<nec::CheckResult>& result() const { return result_; }
    const std::optional<nec::Tuned>& tuned() const { return tuned_; }
    const CheckRunner& runner() const { return runner_; }

    // An analyser's sweep, moved back to the feed point through the feed-line
    // fields' lines, drawn beside the model and summed up in the summary's
    // Measured column beside the model's figures over its span; a file that
    // cannot be read is refused with the reader's message and the measurement
    // shown before stays. The design as cut (the cut list's As cut column) is
    // then fitted to it on the runner, and the cut list gets the trims.
    bool openMeasurement(const QString& path);
    const std::optional<nec::FittedTrim>& trim() const { return trim_; }

public slots:
    // Says whether the main window still shows the checked design.
    void showStaleness();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildOptions();
    void buildSaves(QBoxLayout& page);
    void openBesideMainWindow();
    void removeCharts();
    std::string staleness() const;
    bool startPendingCheck();
    bool optionsAreChecked() const;
    void startRun(const QString& format, nec::TuneGoal goal);
    void finish(const nec::Outcome<nec::CheckResult>& outcome);
    void finishTune(const nec::Outcome<nec::Tuned>& outcome);
    void startFitAndTrim();
    // The fit again, of the measurement moved anew or of other lengths as cut.
    void refit();
    void takeFeedLine();
    void takeAsCut(int loop, const QString& text);
    struct MovedMeasurement {
        nec::MeasuredSweep atFeed;  // within the check's sweep
        std::string through;        // the lines taken out, in words; empty at the feed point
    };
    nec::Outcome<MovedMeasurement> movedMeasurement() const;
    // None without a measurement, or where it cannot be moved back: then it says why.
    std::optional<MovedMeasurement> measurementToShow();
    // Back from the matching window: another cable cuts another section.
    void followSectionCable();
    // The summary's Measured rows: the model's figures over the measured span beside the measurement's.
    void addMeasuredRows(QStringList& headings, std::vector<nec::TextRow>& rows, const MovedMeasurement& moved) const;
    // Each loop as cut: as typed, else the design shown.
    std::vector<double> asCutMetres() const;
    nec::Outcome<nec::NecModel> asCutModel(const std::vector<double>& metres) const;
    void showResult();
    void showCutList();
    void showUnitsOfMainWindow();
    void setRunning(bool running, const QString& doing = {});
    void tell(const QString& message);
    // The model of the design with the options, once the user agrees to a large one; a refusal is told.
    std::optional<nec::NecModel> modelToRun(const nec::QuadDesign& input, const nec::CheckOptions& options);
    // The design shown, with results: the tuned one once there is one.
    const nec::CheckResult& shownCheck() const;
    const nec::NecModel& shownModel() const;
    // The name the saved files of the design shown take, without extension.
    std::string shownFileStem() const;
    std::optional<QString> saveDeck(const QString& title);
    nec::CutSheet shownCutSheet() const;
    void sayWhereSaved(const std::optional<QString>& path);
    // "loopbeam 14.2 MHz 3 el SWR": a print job and a picture named for what they hold.
    QString jobName(const QString& what) const;
    // The chart above its buttons: save as PNG or SVG, print.
    QWidget* chartPage(QWidget* chart, const QString& what, const std::string& fileWord);

    CheckSource source_;
    CheckRunner runner_;
    bool checkWhenFree_ = false;  // asked while a cancelled run was still ending
    std::optional<CalculatedDesign> checked_;
    nec::QuadDesign checkedInput_;
    nec::CheckOptions checkedOptions_;
    std::optional<nec::NecModel> checkedModel_;
    std::optional<nec::CheckResult> result_;
    std::optional<nec::Tuned> tuned_;  // of the checked design
    std::optional<nec::MeasuredSweep> measured_;
    std::optional<nec::FittedTrim> trim_;            // of the design shown, to measured_
    std::vector<std::optional<double>> asCutTyped_;  // a loop's each, in metres
    bool fitting_ = false;
    bool fitWhenFree_ = false;  // the fit's inputs changed while it ran
    std::string shownThrough_;  // the lines the measurement shown went through, in words

    QLabel* design_;
    QLabel* stale_;
    QLabel* message_;
    ModelOptions* model_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    TunePanel* tune_;
    SummaryPanel* summary_;
    CutListPanel* cutList_;
    FeedLinePanel* feedLine_;
    QWidget* feedLineBox_;  // shown with a measurement
    QTabWidget* charts_;
    std::vector<QPushButton*> saves_;  // those that save results; Save deck is always there
    QLabel* saved_;
};

}  // namespace loopbeam
