#include "necwindow/check_runner.h"

#include <QMetaObject>
#include <memory>

namespace loopbeam {

CheckRunner::~CheckRunner() {
    cancel();
    if (thread_.joinable()) thread_.join();
}

void CheckRunner::start(nec::NecModel model, Progress progress, Finished<nec::CheckResult> finished) {
    launch([model = std::move(model), finished = std::move(finished)](
               const nec::RunControl& control) { return handOver(nec::runCheck(model, control), finished); },
           std::move(progress));
}

void CheckRunner::startTune(nec::NecModel model, nec::CheckResult check, nec::TuneGoal goal, Progress progress,
                            Finished<nec::Tuned> finished) {
    launch([model = std::move(model), check = std::move(check), goal, finished = std::move(finished)](
               const nec::RunControl& control) { return handOver(nec::tune(model, check, goal, control), finished); },
           std::move(progress));
}

void CheckRunner::startFitAndTrim(nec::NecModel asCut, nec::CheckResult check, nec::MeasuredSweep atFeed,
                                  nec::TuneGoal goal, Progress progress, Finished<nec::FittedTrim> finished) {
    launch(
        [asCut = std::move(asCut), check = std::move(check), atFeed = std::move(atFeed), goal,
         finished = std::move(finished)](const nec::RunControl& control) {
            return handOver(nec::fitAndTrim(asCut, check, atFeed, goal, control), finished);
        },
        std::move(progress));
}

void CheckRunner::startCheckThenTune(nec::NecModel model, nec::TuneGoal goal, Progress progress,
                                     Finished<CheckedAndTuned> finished) {
    launch(
        [model = std::move(model), goal, finished = std::move(finished)](const nec::RunControl& control) {
            // The check takes the first half of the bar, the tuning the second.
            const auto share = [&control](double from) {
                nec::RunControl part = control;
                if (control.progress)
                    part.progress = [progress = control.progress, from](double f) { progress(from + f / 2); };
                return part;
            };
            auto check = nec::runCheck(model, share(0));
            if (!check) return handOver(nec::Outcome<CheckedAndTuned>(Refused{check.error()}), finished);
            auto tuned = nec::tune(model, *check, goal, share(0.5));
            if (!tuned) return handOver(nec::Outcome<CheckedAndTuned>(Refused{tuned.error()}), finished);
            return handOver(nec::Outcome<CheckedAndTuned>(CheckedAndTuned{std::move(*check), std::move(*tuned)}),
                            finished);
        },
        std::move(progress));
}

void CheckRunner::launch(std::function<std::function<void()>(const nec::RunControl&)> work, Progress progress) {
    if (running()) return;
    cancel_ = std::make_unique<nec::CancelHandle>();
    {
        const std::lock_guard lock(mutex_);  // none of this run's yet
        children_.clear();
        directory_.clear();
    }
    // The engines die with the thread that started them (their parent-death
    // signal): this one runs the whole check or tuning, so it outlives them.
    thread_ = std::thread([this, handle = cancel_.get(), work = std::move(work), progress = std::move(progress)] {
        nec::RunControl control;
        control.cancel = handle;
        control.progress = [this, progress](double fraction) {
            QMetaObject::invokeMethod(
                this, [progress, fraction] { progress(fraction); }, Qt::QueuedConnection);
        };
        control.started = [this](const std::vector<pid_t>& children, const std::string& directory) {
            const std::lock_guard lock(mutex_);
            children_ = children;
            directory_ = directory;
        };
        std::function<void()> done = work(control);
        QMetaObject::invokeMethod(
            this,
            [this, done] {
                thread_.join();
                done();
            },
            Qt::QueuedConnection);
    });
}

void CheckRunner::cancel() { cancel_->cancel(); }

std::vector<pid_t> CheckRunner::children() const {
    const std::lock_guard lock(mutex_);
    return children_;
}

std::string CheckRunner::directory() const {
    const std::lock_guard lock(mutex_);
    return directory_;
}

}  // namespace loopbeam
