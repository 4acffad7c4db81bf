#pragma once
// The wire gauge and the element count as their scroll bars limit them.

#include <cstdint>

namespace loopbeam {

struct SelectorRange {
    std::int16_t minimum, maximum;
    constexpr bool contains(long value) const { return value >= minimum && value <= maximum; }
};

inline constexpr SelectorRange kGauges{10, 20};
inline constexpr SelectorRange kElementCounts{3, 50};

}  // namespace loopbeam
