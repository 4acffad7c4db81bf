#pragma once
// The coaxial cables of the matching window's list, in list order.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace loopbeam {

struct CableType {
    std::string_view entry;  // as the list shows it
    float velFactor;
};

inline constexpr std::array<CableType, 7> kCables{{
    {"RG-6", 0.75f},
    {"RG-11", 0.66f},
    {"RG-11 foam", 0.8f},
    {"RG-12 or 12a", 0.66f},
    {"RG-59 or 59a", 0.66f},
    {"RG-59 foam", 0.79f},
    {"RG-216", 0.66f},
}};

// The list index of an entry, spelled exactly as listed.
inline std::optional<std::int16_t> cableIndexOf(std::string_view entry) {
    for (std::size_t i = 0; i < kCables.size(); ++i)
        if (kCables[i].entry == entry) return static_cast<std::int16_t>(i);
    return std::nullopt;
}

}  // namespace loopbeam
