#pragma once
// printf into a std::string: the deck's cards and the messages are fixed
// layouts of numbers, written with a decimal point whatever the process's
// locale (the windows' toolkit takes the user's).

#include <string>

namespace loopbeam::nec {

[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...);

// The shortest text that reads back as the value: a number as it was given.
std::string shortestText(double value);

}  // namespace loopbeam::nec
