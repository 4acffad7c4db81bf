#pragma once
// A text of at most 31 bytes held inline. Every text a handler writes fits:
// numbers ("-1.23456789012345E-308"), headings, and the frequency as typed
// into its seven-character box. Copying one never allocates or calls memcpy.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace loopbeam {

struct ShortText {
    static constexpr std::size_t kCapacity = 31;

    char chars[kCapacity];
    std::uint8_t size = 0;

    ShortText() = default;
    // Texts longer than the capacity are cut; callers pass texts that fit.
    ShortText(std::string_view text) : size(static_cast<std::uint8_t>(text.copy(chars, kCapacity))) {}

    std::string_view view() const { return {chars, size}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    friend bool operator==(const ShortText& a, std::string_view b) { return a.view() == b; }
};

std::ostream& operator<<(std::ostream& out, const ShortText& text);

}  // namespace loopbeam
