// What a run leaves behind: Cancel and the timeout end a wrapper's own engine.

#include <gtest/gtest.h>

#include "../engine_fakes.h"
#include "nec/check.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

using namespace std::chrono_literals;
namespace fs = test::fs;

TEST(EngineLifecycle, CancelAndTheTimeoutEndAWrappersOwnEngine) {
    test::adoptOrphans();
    auto model = buildModel(quadOfMinutes(), {});
    ASSERT_TRUE(model);
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancelled" : "timed out");
        const test::ScratchDir scratch;
        const fs::path pids = scratch.path / "pids";
        // As one might wrap nec2c to nice it: the real one runs as the wrapper's child.
        const std::string record = "echo $$ >> " + pids.string();
        RunControl control;
        control.enginePath = test::writeScript(
            scratch.path / "nec2c", record + "\nsh -c '" + record + "; exec nec2c \"$@\"' nec2c \"$@\" &\nwait");
        control.parallelRuns = 1;
        CancelHandle handle;
        control.cancel = &handle;
        if (!cancel) control.timeoutSeconds = 2;
        std::thread canceller([&] {
            if (test::waitUntil([&] { return test::pidsIn(pids).size() == 2; }, 60s) && cancel) handle.cancel();
        });
        const auto result = runCheck(*model, control);
        canceller.join();
        ASSERT_FALSE(result);
        EXPECT_NE(result.error().message.find(cancel ? kCancelledMessage : "took longer than"), std::string::npos);
        const std::vector<pid_t> engines = test::pidsIn(pids);
        ASSERT_EQ(engines.size(), 2u);  // the wrapper and its nec2c
        EXPECT_TRUE(test::allGoneWithin(engines, 10s));
    }
}

}  // namespace
}  // namespace loopbeam::nec
