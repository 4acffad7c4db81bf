#include "necwindow/check_runner.h"

#include <QMetaObject>
#include <memory>

namespace loopbeam {

CheckRunner::~CheckRunner() {
    cancel();
    if (thread_.joinable()) thread_.join();
}

void CheckRunner::start(nec::NecModel model, std::function<void(double)> progress, Finished finished) {
    if (running()) return;
    cancel_ = std::make_unique<nec::CancelHandle>();
    // The engines die with the thread that started them (their parent-death
    // signal): this one runs the whole check, so it outlives them.
    thread_ = std::thread([this, handle = cancel_.get(), model = std::move(model), progress = std::move(progress),
                           finished = std::move(finished)] {
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
        auto outcome = std::make_shared<nec::Outcome<nec::CheckResult>>(nec::runCheck(model, control));
        QMetaObject::invokeMethod(
            this,
            [this, outcome, finished] {
                thread_.join();
                finished(*outcome);
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
