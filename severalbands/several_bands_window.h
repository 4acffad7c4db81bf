#pragma once
// The window of a quad for several bands on one spider: the bands, the wire
// and the model's options, Check and Tune run in the background with progress
// and Cancel, a tab a band with its summary and charts, and one cut list for
// the whole quad. The core designs, checks, tunes and words it all
// (nec/multiband/), as it does for loopbeam-cli --bands.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "nec/check/check_result.h"
#include "nec/check/feed_advice.h"
#include "nec/multiband/band_design.h"
#include "nec/multiband/band_results.h"
#include "nec/multiband/spider.h"
#include "nec/multiband/spider_cut_sheet.h"
#include "necwindow/check_runner.h"
#include "necwindow/opening_place.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace loopbeam {

class BandList;
class CutListPanel;
class ModelOptions;
class TunePanel;

// What the band list and the model's options asked for.
struct BandsAsked {
    std::vector<std::string> typed;
    std::int16_t gauge = 0;
    nec::UnusedFeeds unusedFeeds = nec::UnusedFeeds::Closed;
    nec::CheckOptions options;
    bool operator==(const BandsAsked&) const = default;
};

// The spider checked, and tuned once tuned: what the tabs and the cut list show.
struct BandsChecked {
    BandsAsked asked;
    nec::MultibandDesign design;
    nec::Spider spider;
    nec::CheckOptions options;
    std::vector<nec::NecModel> models;
    std::vector<nec::CheckResult> results;
    std::vector<nec::FeedAdvice> feeds;
    std::optional<nec::TunedBands> tuned;
    std::vector<nec::FeedAdvice> tunedFeeds;
};

class SeveralBandsWindow : public QWidget {
    Q_OBJECT

public:
    explicit SeveralBandsWindow(MainWindowFrame main = {});

    // Shown again after the user closed it: no results, the bands and options kept.
    void reload();

    // Designs the bands ticked and typed and checks every band; a band list
    // the core refuses is told, and the results shown stay.
    void startCheck();
    // Tunes the spider checked for the goal chosen, then checks it again.
    void startTune();

    BandList& bandList() const { return *bands_; }
    const std::optional<BandsChecked>& checked() const { return checked_; }
    const CheckRunner& runner() const { return runner_; }
    // The message shown, empty when none.
    QString message() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void finishCheck(BandsChecked pending, const nec::Outcome<std::vector<nec::CheckResult>>& outcome);
    void finishTune(const nec::Outcome<nec::TunedBands>& outcome);
    void showResults();
    void keepOnScreen();
    BandsAsked asked() const;
    // Says whether the band list and the options shown are those checked.
    void showStaleness();
    nec::SpiderCutSheet cutSheet() const;
    void setRunning(bool running, const QString& doing = {});
    void tell(const QString& message);
    void openBesideMainWindow();

    MainWindowFrame main_;
    CheckRunner runner_;
    std::optional<BandsChecked> checked_;

    BandList* bands_;
    ModelOptions* model_;
    QPushButton* check_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    TunePanel* tune_;
    QLabel* heading_;
    QLabel* stale_;
    QLabel* message_;
    QTabWidget* tabs_;
    CutListPanel* cutList_;
    QLabel* saved_;
};

}  // namespace loopbeam
