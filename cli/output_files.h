#pragma once
// The files loopbeam-cli is asked to write, checked before any work: two
// outputs on one file, a file that cannot be written, a FIFO nobody reads.

#include <optional>
#include <string>

#include "cli/options.h"
#include "common/output_file.h"

namespace loopbeam::cli {

// A usage error where two outputs, standard output among them, land on one
// file of any kind but a character device.
std::optional<std::string> outputsShareAFile(const Options& options);

// --nec-deck's, --touchstone's and --cut-list-csv's files, opened as far as they can be before
// the work (a FIFO once its reader has come); or "cannot write PATH: REASON"
// for the first that cannot be written.
struct OutputFiles {
    std::optional<OutputFile> necDeck, touchstone, cutListCsv;
};
BasicOutcome<OutputFiles, std::string> openOutputFiles(const Options& options);

}  // namespace loopbeam::cli
