#pragma once
// Every engine run of the process, so that a signal ends them all through the
// same CancelHandle a Cancel button uses. runNec2c registers itself, so every
// kind of engine run inherits it.

#include "nec/engine/cancel_handle.h"

namespace loopbeam::nec {

// Registered for the life of a run. One made after cancelEveryRun() has its
// handle cancelled at once.
class RegisteredRun {
public:
    explicit RegisteredRun(CancelHandle& handle);
    RegisteredRun(const RegisteredRun&) = delete;
    RegisteredRun& operator=(const RegisteredRun&) = delete;
    ~RegisteredRun();

private:
    CancelHandle& handle_;
};

// Cancels every registered run and every later one (the process is on its way
// out); tells whether any was running.
bool cancelEveryRun();

// Returns once no run is registered: each has reaped its children and removed
// its files.
void waitForEveryRun();

}  // namespace loopbeam::nec
