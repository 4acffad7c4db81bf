#pragma once
// The files loopbeam-cli is asked to write, checked before any work: two
// outputs on one file, a file that cannot be written.

#include <optional>
#include <string>

#include "cli/options.h"

namespace loopbeam::cli {

// A usage error where two outputs, standard output among them, land on one
// file of any kind but a character device.
std::optional<std::string> outputsShareAFile(const Options& options);

// "cannot write PATH: REASON" for the first output file that cannot be written.
std::optional<std::string> unwritableOutput(const Options& options);

}  // namespace loopbeam::cli
