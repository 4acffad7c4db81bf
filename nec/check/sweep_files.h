#pragma once
// The sweep as files: a Touchstone 1.1 .s1p (S11 at the feed point against 50
// ohms) and a CSV table with units in its header, every frequency of the sweep.

#include <ostream>
#include <span>
#include <string>

#include "nec/check/check_result.h"

namespace loopbeam::nec {

void writeTouchstone(std::ostream& out, const CheckResult& result, std::span<const std::string> comments = {});
void writeSweepCsv(std::ostream& out, const CheckResult& result);

}  // namespace loopbeam::nec
