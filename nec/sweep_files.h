#pragma once
// The sweep as files: a Touchstone 1.1 .s1p (S11 at the feed point against 50
// ohms) and a CSV table with units in its header.

#include <functional>
#include <ostream>
#include <span>
#include <string>

#include "nec/check_result.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

void writeTouchstone(std::ostream& out, const CheckResult& result, std::span<const std::string> comments = {});
void writeSweepCsv(std::ostream& out, const CheckResult& result);

// Writes the file through `write` and gives its path, or a message saying why
// it could not be written, learned after flushing and closing it.
Outcome<std::string> saveFile(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace loopbeam::nec
