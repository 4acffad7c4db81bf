// What a run leaves behind: private folders of runs that died are removed by
// the next, and only those; Cancel and the timeout end a wrapper's own engine.
// Where the folders go: no other user can swap one for a link.

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <sstream>

#include "../engine_fakes.h"
#include "nec/check/check.h"
#include "nec/engine/private_dir.h"
#include "nec/engine/stale_dirs.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

using namespace std::chrono_literals;
namespace fs = test::fs;

TEST(EngineLifecycle, TheSweepRemovesOnlyTheStaleFoldersOfItsUser) {
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
    removeStaleDirs(OwnedFd(open(base.path.c_str(), O_RDONLY | O_DIRECTORY)).get());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fs::exists(fs::symlink_status(c.path)), c.kept);
    }
}

TEST(EngineLifecycle, ATmpdirOthersCouldMeddleWithIsRefused) {
    const bool root = geteuid() == 0;
    const struct {
        const char* name;
        fs::perms above, tmpdir;
        bool nobodysTmpdir;
        const char* refusal;  // nullptr: accepted
    } cases[] = {
        {"sticky, as /tmp", fs::perms::owner_all, fs::perms::all | fs::perms::sticky_bit, false, nullptr},
        {"open to all", fs::perms::owner_all, fs::perms::all, false, "it can be written by other users and lacks"},
        {"open above", fs::perms::all, fs::perms::owner_all, false, ", a folder above it, can be written by other"},
        {"another user's", fs::perms::owner_all, fs::perms::owner_all, true, "it belongs to user 65534, neither"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.nobodysTmpdir && !root) continue;  // only root can give a folder away
        const test::ScratchDir scratch;
        const fs::path tmpdir = scratch.path / "above" / "tmp";
        fs::create_directories(tmpdir);
        fs::permissions(tmpdir.parent_path(), c.above);
        fs::permissions(tmpdir, c.tmpdir);
        if (c.nobodysTmpdir) {
            ASSERT_EQ(chown(tmpdir.c_str(), 65534, 65534), 0);
        }
        const auto dir = makePrivateDir(tmpdir);
        if (!c.refusal) {
            EXPECT_TRUE(dir) << dir.error().message;
            continue;
        }
        ASSERT_FALSE(dir);
        EXPECT_NE(dir.error().message.find(c.refusal), std::string::npos) << dir.error().message;
        EXPECT_NE(dir.error().message.find("Point TMPDIR at a folder of your own"), std::string::npos);
        EXPECT_TRUE(fs::is_empty(tmpdir));
    }
}

// The swap another user would race to make, made at the worst moment: right
// after the folder is made, before it is opened.
TEST(EngineLifecycle, ARunsFolderSwappedForALinkLeavesTheLinkedFolderUntouched) {
    const bool root = geteuid() == 0;
    for (const bool asNobody : {false, true}) {
        SCOPED_TRACE(asNobody ? "nobody, in a sticky TMPDIR" : "the swap made, in a TMPDIR of one's own");
        if (asNobody && !root) continue;
        const test::ScratchDir scratch;
        const fs::path tmpdir = scratch.path / "tmp", victim = scratch.path / "victim", bait = tmpdir / "bait";
        fs::create_directories(tmpdir);
        fs::create_directories(victim);
        std::ofstream(victim / "in1.nec") << "kept";
        fs::permissions(scratch.path, fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
        if (asNobody) fs::permissions(tmpdir, fs::perms::all | fs::perms::sticky_bit);
        // The swapper: another user where root can be one, else this one.
        const auto asSwapper = [&](auto step) {
            const pid_t pid = fork();
            if (pid == 0) {
                if (asNobody && (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
                                 setresuid(65534, 65534, 65534) != 0))
                    _exit(2);
                _exit(step() ? 0 : 1);
            }
            int status = -1;
            waitpid(pid, &status, 0);
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        };
        ASSERT_TRUE(asSwapper([&] { return symlink(victim.c_str(), bait.c_str()) == 0; }));
        bool swapped = false;
        onPrivateDirMade([&](const std::string& made) {
            swapped = asSwapper([&] {
                return syscall(SYS_renameat2, AT_FDCWD, made.c_str(), AT_FDCWD, bait.c_str(), RENAME_EXCHANGE) == 0;
            });
        });
        {
            const auto dir = makePrivateDir(tmpdir);
            onPrivateDirMade({});
            EXPECT_EQ(swapped, !asNobody);  // the sticky bit stops another user
            ASSERT_EQ(bool(dir), asNobody);
            if (dir) {
                EXPECT_FALSE(dir->writeFile("in1.nec", "deck"));
            } else {
                EXPECT_NE(dir.error().message.find("was replaced by another"), std::string::npos);
            }
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(victim), fs::directory_iterator()), 1);
        EXPECT_EQ((std::ostringstream() << std::ifstream(victim / "in1.nec").rdbuf()).str(), "kept");
    }
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
