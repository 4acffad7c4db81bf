// loopbeam-cli ended from outside during a check or while its output waits on
// a reader, and on a full TMPDIR: no engine process and no private folder
// outlive it, and it says why it ended.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cstring>
#include <sstream>

#include "engine_fakes.h"

namespace loopbeam::test {
namespace {

using namespace std::chrono_literals;

// A check of 14.2 MHz with its own TMPDIR and an engine first on PATH.
struct CheckScene {
    ScratchDir scratch;
    fs::path tmp = scratch.path / "tmp", bin = scratch.path / "bin", pids = scratch.path / "pids";
    fs::path said = scratch.path / "stderr";
    CheckScene() { fs::create_directories(tmp), fs::create_directories(bin); }
    void engine(const std::string& body) const { writeScript(bin / "nec2c", body); }

    // Standard output to the descriptor given, or to /dev/null.
    pid_t start(std::vector<std::string> more = {}, int out = -1) const {
        std::vector<std::string> args = {"env",
                                         "PATH=" + bin.string() + ":" + std::getenv("PATH"),
                                         "TMPDIR=" + tmp.string(),
                                         LOOPBEAM_CLI,
                                         "--freq",
                                         "14.2",
                                         "--simulate"};
        args.insert(args.end(), more.begin(), more.end());
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        if (out >= 0)
            posix_spawn_file_actions_adddup2(&files, out, 1);
        else
            posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&files, 2, said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t pid = -1;
        posix_spawnp(&pid, "env", &files, nullptr, argv.data(), environ);  // env execs the CLI under the same pid
        posix_spawn_file_actions_destroy(&files);
        return pid;
    }
    // The CLI, once both engines of a check on 2 cores (the one on a single
    // core) have started, and the engines.
    std::pair<pid_t, std::vector<pid_t>> startAsleep() const {
        engine("echo $$ >> " + pids.string() + "\nexec sleep 600");
        const pid_t cli = start();
        const std::size_t wanted = std::min(2u, std::max(1u, std::thread::hardware_concurrency()));
        waitUntil([&] { return pidsIn(pids).size() >= wanted; }, 60s);
        return {cli, pidsIn(pids)};
    }
    std::size_t privateFolders() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(tmp), fs::directory_iterator()));
    }
    std::string stderrText() const { return (std::ostringstream() << std::ifstream(said).rdbuf()).str(); }
};

// Its wait status; one that outlives the wait is killed and gives -1.
int finish(pid_t pid) {
    int status = -1;
    if (waitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 60s)) return status;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

TEST(CommandLineLifecycle, EndingSignalsCancelTheCheckAndExitWithTheirStatus) {
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}, {SIGQUIT, 131}}) {
        SCOPED_TRACE(strsignal(signal));
        const CheckScene scene;
        const auto [cli, engines] = scene.startAsleep();
        ASSERT_FALSE(engines.empty()) << scene.stderrText();
        kill(cli, signal);
        const int ended = finish(cli);
        EXPECT_TRUE(WIFEXITED(ended) && WEXITSTATUS(ended) == status) << ended;
        for (pid_t pid : engines) EXPECT_TRUE(kill(pid, 0) == -1 && errno == ESRCH) << pid;  // reaped, not orphaned
        EXPECT_EQ(scene.privateFolders(), 0u);
        EXPECT_EQ(scene.stderrText(), "");  // no refusal: the user knows why it ended
    }
}

TEST(CommandLineLifecycle, SigkillTakesTheEnginesAlongAndTheNextRunRemovesTheFolder) {
    adoptOrphans();
    const CheckScene scene;
    const auto [cli, engines] = scene.startAsleep();
    ASSERT_FALSE(engines.empty()) << scene.stderrText();
    kill(cli, SIGKILL);
    finish(cli);
    EXPECT_TRUE(allGoneWithin(engines, 1s));
    ASSERT_EQ(scene.privateFolders(), 1u);  // nobody could remove it

    scene.engine("exit 3");
    const int status = finish(scene.start());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(scene.stderrText().find("exit status 3"), std::string::npos) << scene.stderrText();
    EXPECT_EQ(scene.privateFolders(), 0u);
}

// With the real nec2c, which takes file names of a few dozen characters at most.
TEST(CommandLineCheck, ATmpdirOfAnyLengthServes) {
    for (const std::vector<std::string>& check : {std::vector<std::string>{}, {"--tune", "resonance"}}) {
        SCOPED_TRACE(check.empty() ? "--simulate" : check[0]);
        CheckScene scene;
        const std::size_t length = scene.tmp.string().size();
        ASSERT_LT(length, 190u);
        scene.tmp /= std::string(200 - length - 1, 'd');  // 200 with the slash
        fs::create_directories(scene.tmp);
        const int status = finish(scene.start(check));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << scene.stderrText();
        EXPECT_EQ(scene.privateFolders(), 0u);
    }
}

// With the real nec2c: on the smaller mount the decks fit only in part, on
// the larger one whole, the output not.
TEST(CommandLineCheck, AFullTmpdirIsNamedAsSuch) {
    for (const char* size : {"size=4k", "size=64k"}) {
        SCOPED_TRACE(size);
        CheckScene scene;
        if (mount("tmpfs", scene.tmp.c_str(), "tmpfs", 0, size) != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno) << "; it needs root)";
        const int status = finish(scene.start());
        const bool nothingLeft = scene.privateFolders() == 0;
        umount2(scene.tmp.c_str(), MNT_DETACH);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_NE(scene.stderrText().find("no space left in TMPDIR=" + scene.tmp.string()), std::string::npos)
            << scene.stderrText();
        EXPECT_TRUE(nothingLeft);
    }
}

// A FIFO is opened before the check: with no reader, the program is refused
// before any engine runs.
TEST(CommandLineLifecycle, AFifoNobodyReadsIsRefusedBeforeTheCheck) {
    const CheckScene scene;
    scene.engine("echo $$ >> " + scene.pids.string());
    const std::string fifo = (scene.scratch.path / "sweep.s1p").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int ended = finish(scene.start({"--touchstone", fifo}));
    EXPECT_TRUE(WIFEXITED(ended) && WEXITSTATUS(ended) == 3) << ended;
    EXPECT_EQ(scene.stderrText(), "loopbeam-cli: cannot write " + fifo +
                                      ": no program is reading the FIFO (waited 5 seconds); start the reader first\n");
    EXPECT_TRUE(pidsIn(scene.pids).empty());
}

// With the real nec2c: standard output, or a FIFO, whose reader never reads.
// The write waits on it, and SIGTERM ends the program all the same.
TEST(CommandLineCheck, SigtermEndsAWriteNobodyReads) {
    for (const bool fifo : {false, true}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "standard output");
        const CheckScene scene;
        const std::string path = (scene.scratch.path / "sweep.s1p").string();
        int stalled = -1;  // the reading end, never read
        pid_t cli = -1;
        if (fifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
            stalled = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            cli = scene.start({"--touchstone", path});
        } else {
            int ends[2];
            ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
            stalled = ends[0];
            cli = scene.start({"--json"}, ends[1]);
            close(ends[1]);
        }
        fcntl(stalled, F_SETPIPE_SZ, 4096);  // a page: any output fills it
        const int size = fcntl(stalled, F_GETPIPE_SZ);
        int queued = 0;
        EXPECT_TRUE(waitUntil([&] { return ioctl(stalled, FIONREAD, &queued) == 0 && queued >= size; }, 60s));
        kill(cli, SIGTERM);
        const int ended = finish(cli);
        close(stalled);
        EXPECT_TRUE(WIFEXITED(ended) && WEXITSTATUS(ended) == 143) << ended << " " << scene.stderrText();
    }
}

}  // namespace
}  // namespace loopbeam::test
