#pragma once
// A text box with a maximum length keeps only its first characters, cut, not
// rounded, and raises no error.

#include <cstddef>
#include <string_view>

namespace loopbeam {

// First maxChars characters of a UTF-8 text, never splitting a character.
inline std::string_view cutToLength(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0, i = 0;
    for (; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && chars++ == maxChars) break;
    }
    return text.substr(0, i);
}

}  // namespace loopbeam
