#pragma once
// printf into a std::string: the deck's cards and the messages are fixed
// layouts of numbers, written with a decimal point whatever the process's
// locale (the windows' toolkit takes the user's).

#include <cstddef>
#include <string>
#include <string_view>

namespace loopbeam::nec {

[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...);

// The shortest text that reads back as the value: a number as it was given.
std::string shortestText(double value);

// A count and its noun, singular for one: "1 frequency", "3 frequencies".
std::string countText(std::size_t count, std::string_view one, std::string_view many);

}  // namespace loopbeam::nec
