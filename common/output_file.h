#pragma once
// A file a text goes to once the text is ready (after a check of minutes,
// say), opened as far as it can be before: a device or FIFO is opened at once,
// a file to be replaced is found writable. Nothing here waits without limit
// before the text is written.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "common/outcome.h"

namespace loopbeam {

class OutputFile {
public:
    // How long the writer of a FIFO waits for a program to read it.
    static constexpr std::chrono::seconds kReaderWait{5};

    enum class Takes { AnyFile, RegularFilesOnly };

    // The output, or "cannot write PATH: REASON". A FIFO that no program opens
    // for reading within kReaderWait is refused; RegularFilesOnly refuses a
    // device, FIFO or socket without opening it.
    static BasicOutcome<OutputFile, std::string> open(const std::string& path, Takes takes = Takes::AnyFile);

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    ~OutputFile();

    // Whether the write replaces a file, which takes a local write and a
    // rename, rather than going into an open device or FIFO, which takes as
    // long as its reader does.
    bool replaces() const { return !inPlace_; }

    // Writes the text, once; the problem, if any. A regular file (a symbolic
    // link's target for a link) is replaced by a synced file written beside
    // it, with the old file's owner and permission bits: on any failure the
    // old file stays as it was and nothing is left beside it.
    std::optional<std::string> write(std::string_view text);

private:
    OutputFile(std::string path, int fd) : path_(std::move(path)), fd_(fd), inPlace_(fd >= 0) {}

    std::string path_;
    int fd_ = -1;  // a device or FIFO, until written
    bool inPlace_ = false;
};

}  // namespace loopbeam
