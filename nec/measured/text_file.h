#pragma once
// A small text file read whole: refused with its name when it cannot be
// opened or read, or is larger than mostBytes; a byte-order mark, as some
// spreadsheets write one, taken off.

#include <cstddef>
#include <string>
#include <string_view>

#include "nec/outcome.h"

namespace loopbeam::nec {

// tooLarge: the clause after "larger than".
Outcome<std::string> readTextFile(const std::string& path, std::size_t mostBytes, std::string_view tooLarge);

}  // namespace loopbeam::nec
