#pragma once
// What a failed nec2c run says: why it did not start, how it ended, with at
// most one line of the engine's own words.

#include <string>
#include <string_view>

namespace loopbeam::nec {

std::string spawnFailure(const std::string& engine, int error);

// status: the wait status of a run that did not exit with 0; output and log:
// what it wrote.
std::string endingFailure(int status, std::string_view output, std::string_view log);

// The last line of engine text that says anything, cut to a sentence's length,
// control characters shown as '?': safe to put into a message or onto a terminal.
std::string quotedLine(std::string_view text);

}  // namespace loopbeam::nec
