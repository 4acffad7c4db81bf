#pragma once
// A text box with a maximum length keeps only its first characters, cut, not
// rounded, and raises no error.

#include <cstddef>
#include <string_view>

namespace loopbeam {

// The first characters of a UTF-8 text that fit a box of maxUnits, counted
// as the box counts them, in UTF-16 code units (a character beyond U+FFFF
// takes two). A character is never split; a malformed byte counts as one.
inline std::string_view cutToLength(std::string_view text, std::size_t maxUnits) {
    std::size_t units = 0, i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
        const std::size_t width = lead >= 0xF0 ? 2 : 1;
        if (units + width > maxUnits) break;
        units += width;
        i += length;
    }
    return text.substr(0, i);
}

}  // namespace loopbeam
