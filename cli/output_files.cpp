#include "cli/output_files.h"

#include <unistd.h>

#include <vector>

#include "common/checked_output.h"
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
    return files;
}

// Only a file, new or regular, loses the first output to the second: a
// device, a FIFO or a terminal takes them one after the other.
bool replaceable(const FileTarget& target) {
    return target.kind == FileTarget::Kind::Missing || target.kind == FileTarget::Kind::Regular;
}

std::vector<Output> outputsInFiles(const Options& options) {
    std::vector<Output> outputs;
    if (FileTarget out; fstat(STDOUT_FILENO, &out.status) == 0 && S_ISREG(out.status.st_mode)) {
        out.kind = FileTarget::Kind::Regular;
        outputs.push_back({"standard output", out});
    }
    for (const auto& [option, path] : fileOutputs(options))
        if (const auto target = fileTarget(path); target && replaceable(*target)) outputs.push_back({option, *target});
    return outputs;
}

}  // namespace

std::optional<std::string> outputsShareAFile(const Options& options) {
    const std::vector<Output> outputs = outputsInFiles(options);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        for (std::size_t j = i + 1; j < outputs.size(); ++j)
            if (sameFile(outputs[i].target, outputs[j].target))
                return outputs[i].what + " and " + outputs[j].what +
                       " would write the same file, and the second would replace the first: give each a file of "
                       "its own";
    return std::nullopt;
}

std::optional<std::string> unwritableOutput(const Options& options) {
    for (const auto& [option, path] : fileOutputs(options))
        if (auto problem = checkWritable(path)) return problem;
    return std::nullopt;
}

}  // namespace loopbeam::cli
