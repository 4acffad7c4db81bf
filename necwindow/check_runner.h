#pragma once
// Runs a NEC-2 check on a thread of its own, so that the windows stay usable,
// and hands its progress and its outcome back on the windows' thread.

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

namespace loopbeam {

class CheckRunner : public QObject {
public:
    using Finished = std::function<void(const nec::Outcome<nec::CheckResult>&)>;

    // Cancels a running check and waits for it: its children ended, its files removed.
    ~CheckRunner() override;

    // Starts the check unless one runs; progress and finished come on this object's thread.
    void start(nec::NecModel model, std::function<void(double)> progress, Finished finished);
    void cancel();
    bool running() const { return thread_.joinable(); }

    // The engine processes and the private directory of the last check, once started.
    std::vector<pid_t> children() const;
    std::string directory() const;

private:
    std::unique_ptr<nec::CancelHandle> cancel_ = std::make_unique<nec::CancelHandle>();  // one a check
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<pid_t> children_;
    std::string directory_;
};

}  // namespace loopbeam
