#pragma once
// Runs a NEC-2 check or a tuning on a thread of its own, so that the windows
// stay usable, and hands its progress and its outcome back on the windows'
// thread.

#include <sys/types.h>

#include <QObject>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "nec/check/check.h"
#include "nec/engine/cancel_handle.h"
#include "nec/measured/trim.h"
#include "nec/tuning/tune.h"

namespace loopbeam {

class CheckRunner : public QObject {
public:
    using Progress = std::function<void(double)>;
    template <class Result>
    using Finished = std::function<void(const nec::Outcome<Result>&)>;

    // Cancels a running check and waits for it: its children ended, its files removed.
    ~CheckRunner() override;

    // Each starts unless a run is on; progress and finished come on this object's thread.
    void start(nec::NecModel model, Progress progress, Finished<nec::CheckResult> finished);
    // The calculated model, as checked, and its check.
    void startTune(nec::NecModel model, nec::CheckResult check, nec::TuneGoal goal, Progress progress,
                   Finished<nec::Tuned> finished);
    // A check of the model and then its tuning, as one run on one progress
    // bar: both or neither.
    struct CheckedAndTuned {
        nec::CheckResult check;
        nec::Tuned tuned;
    };
    void startCheckThenTune(nec::NecModel model, nec::TuneGoal goal, Progress progress,
                            Finished<CheckedAndTuned> finished);
    // The model as cut fitted to a measurement at the feed point, and trimmed for the goal.
    void startFitAndTrim(nec::NecModel asCut, nec::CheckResult check, nec::MeasuredSweep atFeed, nec::TuneGoal goal,
                         Progress progress, Finished<nec::FittedTrim> finished);
    // Any other run of the core on the thread, the same way.
    template <class Result>
    void startWork(std::function<nec::Outcome<Result>(const nec::RunControl&)> work, Progress progress,
                   Finished<Result> finished) {
        launch([work = std::move(work), finished = std::move(finished)](
                   const nec::RunControl& control) { return handOver(work(control), finished); },
               std::move(progress));
    }
    void cancel();
    bool running() const { return thread_.joinable(); }

    // The engine processes and the private directory of the last run, once started.
    std::vector<pid_t> children() const;
    std::string directory() const;

private:
    // The outcome handed over by value, however it copies.
    template <class Result>
    static std::function<void()> handOver(nec::Outcome<Result> outcome, Finished<Result> finished) {
        auto kept = std::make_shared<nec::Outcome<Result>>(std::move(outcome));
        return [kept, finished = std::move(finished)] { finished(*kept); };
    }
    // The work runs on the thread and gives what to do on this one when it is done.
    void launch(std::function<std::function<void()>(const nec::RunControl&)> work, Progress progress);

    std::unique_ptr<nec::CancelHandle> cancel_ = std::make_unique<nec::CancelHandle>();  // one a run
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<pid_t> children_;
    std::string directory_;
};

}  // namespace loopbeam
