#pragma once
// Stops a running check from another thread (a window's Cancel button): one
// handle per run, cancel() at any moment, as often as wanted.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace loopbeam::nec {

class CancelHandle {
public:
    void cancel();
    bool requested() const;
    // Sleeps until cancel() or until the time is up; tells whether it was cancelled.
    bool waitFor(std::chrono::milliseconds time) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable woken_;
    bool requested_ = false;
};

}  // namespace loopbeam::nec
