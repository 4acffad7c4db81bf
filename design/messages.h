#pragma once
// What the user is told when a step refuses: what is wrong and what to do.

#include <cstdint>
#include <string>
#include <string_view>

namespace loopbeam::messages {

std::string notANumber(std::string_view typed);
std::string frequencyTooLarge(std::string_view typed);
std::string noFrequency();
std::string noDesignType();
std::string unknownGauge(std::int16_t gauge);
std::string lengthOutOfRange(std::string_view quantity, float freq);
std::string nothingToConvert();
std::string noCable();

}  // namespace loopbeam::messages
