// What a run leaves behind: private folders of runs that died are removed by
// the next, and only those; Cancel and the timeout end a wrapper's own engine.

#include <gtest/gtest.h>
#include <unistd.h>

#include "../engine_fakes.h"
#include "nec/check/check.h"
#include "nec/engine/private_dir.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

using namespace std::chrono_literals;
namespace fs = test::fs;

TEST(EngineLifecycle, TheNextRunRemovesOnlyTheStaleFoldersOfItsUser) {
    const test::ScratchDir base;
    const std::string ours(kPrivateDirPrefix);
    const auto folder = [&](const std::string& name, bool lockFile = true) {
        fs::create_directory(base.path / name);
        if (lockFile) std::ofstream(base.path / name / kLockFileName);
        return base.path / name;
    };
    auto live = makePrivateDir(base.path);  // a run in progress holds its lock
    ASSERT_TRUE(live);
    fs::create_directory_symlink(folder("elsewhere"), base.path / (ours + "link"));
    const bool root = geteuid() == 0;  // only root can make another user's folder
    if (root) chown(folder(ours + "nobody").c_str(), 65534, 65534);
    const struct {
        fs::path path;
        bool kept;
    } cases[] = {
        {folder(ours + "dead"), false},         // left by a run that died
        {live->path(), true},                   // of a run in progress
        {folder(ours + "young", false), true},  // still being made: no lock file yet
        {folder("other-dead"), true},           // not loopbeam's
        {base.path / (ours + "link"), true},    // a link to a stale folder
        {base.path / (ours + "nobody"), root},  // another user's
    };
    const auto next = makePrivateDir(base.path);
    ASSERT_TRUE(next) << next.error().message;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fs::exists(fs::symlink_status(c.path)), c.kept);
    }
    EXPECT_TRUE(fs::exists(next->path()));
}

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
