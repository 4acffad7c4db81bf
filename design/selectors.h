#pragma once
// The wire gauge and the element count as their scroll bars limit them.

#include <cstdint>
#include <string_view>

namespace loopbeam {

struct SelectorRange {
    std::int16_t minimum, maximum;
    std::string_view name = {};  // what is selected, as a screen reader says it
    constexpr bool contains(long value) const { return value >= minimum && value <= maximum; }
};

inline constexpr SelectorRange kGauges{10, 20, "Wire gauge, AWG"};
inline constexpr SelectorRange kElementCounts{3, 50, "Number of elements"};

}  // namespace loopbeam
