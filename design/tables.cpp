#include "design/tables.h"

#include <array>

#include "design/selectors.h"

namespace loopbeam {

std::optional<ElementConstants> standardHighGainConstants(float dirCount) {
    if (dirCount == 1.0f) return ElementConstants{975.0f, 1065.0f};
    if (dirCount == 2.0f) return ElementConstants{1011.0f, 1059.0f};
    if (dirCount == 3.0f) return ElementConstants{984.0f, 1083.0f};
    if (dirCount == 4.0f) return ElementConstants{1008.0f, 1059.0f};
    // One director fewer than the two elements that are not directors.
    for (int count = 5; count <= kElementCounts.maximum - 2; ++count)
        if (dirCount == static_cast<float>(count))
            return count % 2 == 1 ? ElementConstants{981.0f, 1083.0f} : ElementConstants{969.0f, 1068.0f};
    return std::nullopt;
}

std::optional<float> wireDiameter(std::int16_t gauge) {
    // The odd gauges a dragged thumb can reach get standard wire gauge diameters
    // rounded like the even rows, rather than a stale or zero diameter.
    static constexpr std::array<float, kGauges.maximum - kGauges.minimum + 1> kInches{
        0.101f, 0.091f, 0.081f, 0.072f, 0.064f, 0.057f, 0.051f, 0.045f, 0.04f, 0.036f, 0.032f};
    if (!kGauges.contains(gauge)) return std::nullopt;
    return kInches[static_cast<std::size_t>(gauge - kGauges.minimum)];
}

float drivenLoopConstant(float diaRatio) {
    struct Band {
        float below;
        float constant;
    };
    static constexpr std::array<Band, 9> kBands{{{0.0003f, 1005.0f},
                                                 {0.0004f, 1007.0f},
                                                 {0.0006f, 1010.0f},
                                                 {0.0008f, 1012.0f},
                                                 {0.0012f, 1015.0f},
                                                 {0.0016f, 1020.0f},
                                                 {0.002f, 1022.0f},
                                                 {0.0024f, 1025.0f},
                                                 {0.0028f, 1027.0f}}};
    for (const Band& band : kBands)
        if (diaRatio < band.below) return band.constant;
    return 1032.0f;
}

}  // namespace loopbeam
