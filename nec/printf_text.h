#pragma once
// printf into a std::string: the deck's cards and the messages are fixed
// layouts of numbers.

#include <string>

namespace loopbeam::nec {

[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...);

}  // namespace loopbeam::nec
