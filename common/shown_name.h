#pragma once
// A file's name as a message shows it: one name, one line.

#include <string>
#include <string_view>

namespace loopbeam {

// The name as given when it holds no control character; otherwise in double
// quotes, each control character escaped (\n, \t, \r, else \xHH a byte) and
// each quote and backslash escaped, so that a newline in a name neither
// breaks a report's line nor passes for a line of its own.
std::string shownFileName(std::string_view name);

}  // namespace loopbeam
