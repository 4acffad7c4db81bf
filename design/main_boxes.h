#pragma once
// The main window's boxes that keep at most seven characters, typed or assigned.

#include <cstddef>
#include <string>
#include <string_view>

#include "common/text_cut.h"

namespace loopbeam {

inline constexpr std::size_t kFrequencyBoxMaxLength = 7;

// 0 for a box without a maximum length.
inline std::size_t maxLengthOf(std::string_view box) {
    return box == "freqtxt" || box == "Text9" || box == "Text10" ? kFrequencyBoxMaxLength : 0;
}

// What the box will hold after the text is assigned to it.
inline std::string heldBy(std::string_view box, std::string_view text) {
    const std::size_t limit = maxLengthOf(box);
    return std::string(limit == 0 ? text : cutToLength(text, limit));
}

}  // namespace loopbeam
