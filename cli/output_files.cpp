#include "cli/output_files.h"

#include <unistd.h>

#include <vector>

#include "common/file_target.h"

namespace loopbeam::cli {
namespace {

struct Output {
    std::string what;  // "--touchstone", "standard output"
    FileTarget target;
};

// The outputs that go to a file of their own; "--nec-deck -" is standard output.
std::vector<std::pair<std::string, std::string>> fileOutputs(const Options& options) {
    std::vector<std::pair<std::string, std::string>> files;
    if (options.necDeck && *options.necDeck != "-") files.emplace_back("--nec-deck", *options.necDeck);
    if (options.touchstone) files.emplace_back("--touchstone", *options.touchstone);
    if (options.cutListCsv) files.emplace_back("--cut-list-csv", *options.cutListCsv);
    return files;
}

// A character device (/dev/null, a terminal) takes any number of outputs;
// any other file, a pipe or a FIFO among them, would mix or lose them.
bool takesOneOutput(const FileTarget& target) { return !S_ISCHR(target.status.st_mode); }

// Only a file, new or regular, loses the first output to the second.
bool replaceable(const FileTarget& target) {
    return target.kind == FileTarget::Kind::Missing || target.kind == FileTarget::Kind::Regular;
}

std::vector<Output> outputsInFiles(const Options& options) {
    std::vector<Output> outputs;
    if (FileTarget out; fstat(STDOUT_FILENO, &out.status) == 0 && takesOneOutput(out)) {
        out.kind = S_ISREG(out.status.st_mode) ? FileTarget::Kind::Regular : FileTarget::Kind::Other;
        outputs.push_back({"standard output", out});
    }
    for (const auto& [option, path] : fileOutputs(options))
        if (const auto target = fileTarget(path); target && takesOneOutput(*target))
            outputs.push_back({option, *target});
    return outputs;
}

}  // namespace

std::optional<std::string> outputsShareAFile(const Options& options) {
    const std::vector<Output> outputs = outputsInFiles(options);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        for (std::size_t j = i + 1; j < outputs.size(); ++j)
            if (sameFile(outputs[i].target, outputs[j].target))
                return outputs[i].what + " and " + outputs[j].what + " would write the same file, " +
                       (replaceable(outputs[j].target) ? "and the second would replace the first"
                                                       : "and the second would follow the first in it") +
                       ": give each a file of its own";
    return std::nullopt;
}

BasicOutcome<OutputFiles, std::string> openOutputFiles(const Options& options) {
    OutputFiles files;
    for (const auto& [option, path] : fileOutputs(options)) {
        auto file = OutputFile::open(path);
        if (!file) return Refused{file.error()};
        (option == "--nec-deck"     ? files.necDeck
         : option == "--touchstone" ? files.touchstone
                                    : files.cutListCsv)
            .emplace(std::move(*file));
    }
    return files;
}

}  // namespace loopbeam::cli
