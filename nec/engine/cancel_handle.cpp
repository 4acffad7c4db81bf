#include "nec/engine/cancel_handle.h"

namespace loopbeam::nec {

void CancelHandle::cancel() {
    {
        std::lock_guard lock(mutex_);
        requested_ = true;
    }
    woken_.notify_all();
}

bool CancelHandle::requested() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

bool CancelHandle::waitFor(std::chrono::milliseconds time) const {
    std::unique_lock lock(mutex_);
    return woken_.wait_for(lock, time, [this] { return requested_; });
}

}  // namespace loopbeam::nec
