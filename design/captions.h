#pragma once
// Captions of the buttons whose steps can refuse or fail: the windows show
// them, the messages name them and a problem's message box is titled with them.

#include <string_view>

namespace loopbeam::captions {

inline constexpr std::string_view kLockFrequency = "SET AND LOCK FREQUENCY";
inline constexpr std::string_view kCalculateFeetInches = "CALCULATE/FEET & INCHES";
inline constexpr std::string_view kConvertToMetric = "CONVERT TO METRIC";
inline constexpr std::string_view kMatchFeetInches = "CALCULATE FT/INCHES";
inline constexpr std::string_view kMatchMetric = "CALCULATE METER/CM";
inline constexpr std::string_view kPrint = "PRINT";

}  // namespace loopbeam::captions
