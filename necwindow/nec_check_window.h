#pragma once
// The NEC-2 check window: the design as last calculated, modelled as the
// user chooses (ModelOptions: ground, loop shape, wire), run in the
// background with progress and Cancel, then its summary, the SWR curve, R
// and X, the Smith chart, the azimuth and elevation patterns, and the files
// to save. It says when the main window no longer shows the design its
// results belong to.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "design/calculated_design.h"
#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"
#include "necwindow/check_runner.h"
#include "necwindow/panels/model_options.h"
#include "necwindow/panels/summary_panel.h"

class QBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace loopbeam {

// What the check window asks of the main window.
struct CheckSource {
    std::function<std::optional<CalculatedDesign>()> lastCalculated;
    // What the user has changed in the main window since the design was calculated.
    std::function<std::vector<std::string>(const CalculatedDesign&)> changesSince;
    // The main window's frame, to open beside it.
    std::function<QRect()> mainFrame;
};

class NecCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit NecCheckWindow(CheckSource source);

    // Shown again after the user closed it: no results, the options kept.
    void reload();

    // Checks the design as last calculated with the options shown.
    void startCheck();

    // The last check's figures, and its runner (for its children and files).
    const std::optional<nec::CheckResult>& result() const { return result_; }
    const CheckRunner& runner() const { return runner_; }

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
    void finish(const nec::Outcome<nec::CheckResult>& outcome);
    void showResult();
    void setRunning(bool running);
    void tell(const QString& message);

    CheckSource source_;
    CheckRunner runner_;
    std::optional<CalculatedDesign> checked_;
    nec::QuadDesign checkedInput_;
    nec::CheckOptions checkedOptions_;
    std::vector<std::string> checkedComments_;  // the design and its model, for the files' headers
    std::optional<nec::CheckResult> result_;

    QLabel* design_;
    QLabel* stale_;
    QLabel* message_;
    ModelOptions* model_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    SummaryPanel* summary_;
    QTabWidget* charts_;
    std::vector<QPushButton*> saves_;
    QLabel* saved_;
};

}  // namespace loopbeam
