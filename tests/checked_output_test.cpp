// Saves as they meet the user's files: replaced whole or not at all, devices
// and FIFOs written in place (a FIFO only once a program reads it), nothing
// left beside them.

#include "common/checked_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "common/output_file.h"

#include "common/shown_name.h"
#include "tests/scratch_folder.h"

namespace loopbeam {
namespace {

struct stat statusOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
    return status;
}

TEST(WriteFile, ReplacesTheFileALinkEndsAtKeepingItsMode) {
    struct Case {
        const char* what;
        std::function<void(const ScratchFolder&)> prepare;
        mode_t umask;
        const char* saveTo;
        const char* landsIn;  // the file that holds the text afterwards
        mode_t mode;
        std::set<std::string> names;  // all that is in the folder afterwards
    };
    const auto file = [](const ScratchFolder& f) { putFile(f / "a", "old"), chmod((f / "a").c_str(), 0604); };
    const Case cases[] = {
        {"a file", file, 022, "a", "a", 0604, {"a"}},
        {"a new file, umask 022", [](const ScratchFolder&) {}, 022, "a", "a", 0644, {"a"}},
        {"a new file, umask 077", [](const ScratchFolder&) {}, 077, "a", "a", 0600, {"a"}},
        {"a link",
         [&](const ScratchFolder& f) { file(f), symlink("a", (f / "l").c_str()); },
         022,
         "l",
         "a",
         0604,
         {"a", "l"}},
        {"a link to a link into a folder",
         [](const ScratchFolder& f) {
             mkdir((f / "sub").c_str(), 0755), symlink("sub/a", (f / "l").c_str()), symlink("l", (f / "m").c_str());
         },
         022,
         "m",
         "sub/a",
         0644,
         {"sub", "l", "m"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder folder;
        c.prepare(folder);
        const mode_t before = umask(c.umask);
        EXPECT_FALSE(writeFile(folder / c.saveTo, "CM new\nEN\n"));
        umask(before);
        EXPECT_EQ(fileText(folder / c.landsIn), "CM new\nEN\n");
        EXPECT_EQ(statusOf(folder / c.landsIn).st_mode, S_IFREG | c.mode);
        EXPECT_EQ(folder.names(), c.names);
        EXPECT_EQ(S_ISLNK(statusOf(folder / c.saveTo).st_mode), std::string(c.saveTo) != c.landsIn);
    }
}

TEST(WriteFile, DevicesAndFifosAreWrittenInPlaceButNeverByAWindowsSave) {
    const ScratchFolder folder;
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    // The reader is there first; the text fits the pipe's buffer.
    const int reader = open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    const struct {
        std::string path, kind;
    } targets[] = {{"/dev/null", "a device"}, {folder / "pipe", "a FIFO or pipe"}};
    for (const auto& target : targets) {
        SCOPED_TRACE(target.path);
        const ino_t inode = statusOf(target.path).st_ino;
        EXPECT_EQ(replaceFile(target.path, "S11\n").value_or(""), "cannot write " + target.path + ": it is " +
                                                                      target.kind +
                                                                      ", not a regular file; choose a file to save to");
        EXPECT_FALSE(writeFile(target.path, "S11\n"));
        EXPECT_EQ(statusOf(target.path).st_ino, inode);
    }
    char received[8] = {};
    EXPECT_EQ(read(reader, received, sizeof received), 4);  // the one writeFile, not the refused save
    close(reader);
    EXPECT_STREQ(received, "S11\n");
    EXPECT_EQ(folder.names(), std::set<std::string>{"pipe"});
}

// A FIFO's writer waits for its reader only so long: a reader started a
// moment later is written to, none at all is refused once the wait is over.
TEST(WriteFile, AFifoWaitsABoundedTimeForItsReader) {
    using namespace std::chrono_literals;
    for (const bool readerComes : {true, false}) {
        SCOPED_TRACE(readerComes ? "a reader after a second" : "no reader");
        const ScratchFolder folder;
        const std::string fifo = folder / "sweep.s1p";
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        std::string received;
        std::thread reader;
        if (readerComes) reader = std::thread([&] { std::this_thread::sleep_for(1s), received = fileText(fifo); });
        const auto start = std::chrono::steady_clock::now();
        const auto problem = writeFile(fifo, "S11\n");
        const auto waited = std::chrono::steady_clock::now() - start;
        if (readerComes) {
            if (problem) close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // lets a reader still waiting go
            reader.join();
            EXPECT_EQ(problem, std::nullopt);
            EXPECT_EQ(received, "S11\n");
            EXPECT_LT(waited, 3s);
        } else {
            EXPECT_EQ(problem.value_or(""), "cannot write " + fifo +
                                                ": no program is reading the FIFO (waited 5 seconds); start the "
                                                "reader first");
            EXPECT_GE(waited, OutputFile::kReaderWait);
            EXPECT_LT(waited, OutputFile::kReaderWait + 2s);
        }
    }
}

TEST(WriteFile, AFullDiskLeavesThePreviousFileByteForByteAndNothingBesideIt) {
    const ScratchFolder folder;
    if (mount("tmpfs", folder.path.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a 64 KB tmpfs (" << std::strerror(errno) << "): run as root for this test";
    const std::string previous(3000, 'p');
    putFile(folder / "sweep.s1p", previous);
    const auto problem = writeFile(folder / "sweep.s1p", std::string(128 * 1024, 'n'));
    EXPECT_EQ(problem.value_or(""), "cannot write " + (folder / "sweep.s1p") + ": No space left on device");
    EXPECT_EQ(fileText(folder / "sweep.s1p"), previous);
    EXPECT_EQ(folder.names(), std::set<std::string>{"sweep.s1p"});
    umount(folder.path.c_str());
}

TEST(ShownFileName, AControlCharacterQuotesAndEscapesTheName) {
    const struct {
        std::string name, shown;
    } cases[] = {
        {"quad-14.2MHz.nec", "quad-14.2MHz.nec"},
        {"with \"quotes\" and \\ and \u00e9", "with \"quotes\" and \\ and \u00e9"},  // one line already
        {"two\nlines.nec", "\"two\\nlines.nec\""},
        {"tab\t\"q\"\\.nec", "\"tab\\t\\\"q\\\"\\\\.nec\""},
        {std::string("nul\0bell\a\x7f", 10), "\"nul\\x00bell\\x07\\x7f\""},
        {"next line \u0085.nec", "\"next line \\xc2\\x85.nec\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(shownFileName(c.name), c.shown);
    }
}

}  // namespace
}  // namespace loopbeam
