#pragma once
// The trims in words and in JSON: every loop's length as cut, the length to
// cut it to and the change, to 1 mm and 1/16 in, and what the fitted model
// predicts after trimming.

#include <string>

#include "nec/measured/trim.h"

namespace loopbeam::cli {

std::string trimReport(const nec::Trim& trim);
std::string trimJson(const nec::Trim& trim);

}  // namespace loopbeam::cli
