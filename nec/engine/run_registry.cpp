#include "nec/engine/run_registry.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace loopbeam::nec {
namespace {

struct Registry {
    std::mutex mutex;
    std::condition_variable emptied;
    std::vector<CancelHandle*> runs;
    bool closed = false;
};

// Never destroyed: an exit handler may still wait on it.
Registry& registry() {
    static Registry* const instance = new Registry;
    return *instance;
}

}  // namespace

RegisteredRun::RegisteredRun(CancelHandle& handle) : handle_(handle) {
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.runs.push_back(&handle_);
    if (r.closed) handle_.cancel();
}

RegisteredRun::~RegisteredRun() {
    Registry& r = registry();
    {
        const std::lock_guard lock(r.mutex);
        r.runs.erase(std::find(r.runs.begin(), r.runs.end(), &handle_));
    }
    r.emptied.notify_all();
}

bool cancelEveryRun() {
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.closed = true;
    for (CancelHandle* handle : r.runs) handle->cancel();
    return !r.runs.empty();
}

void waitForEveryRun() {
    Registry& r = registry();
    std::unique_lock lock(r.mutex);
    r.emptied.wait(lock, [&r] { return r.runs.empty(); });
}

}  // namespace loopbeam::nec
