#pragma once
// A design as its last successful calculation left it: the locked frequency,
// the selectors and the stored lengths at that moment. DesignState keeps
// neither the element count nor the design type, and a later lock changes
// the frequency without recomputing the lengths, so whatever reads the
// design afterwards (the NEC-2 check) reads this record.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/design_state.h"
#include "design/design_types.h"

namespace loopbeam {

struct CalculatedDesign {
    float freq = 0;  // MHz, as locked
    std::int16_t elementCount = 0;
    std::int16_t gauge = 0;
    DesignType type = DesignType::StandardHighGain;
    std::int16_t typeElementCount =
        0;              // on the bar at the type's click: STANDARD HIGH GAIN took this count's constants
    float wireDia = 0;  // inches
    float dirLen = 0, drvLen = 0, refLen = 0, spacing = 0, boomLen = 0, holeSpacing = 0;  // feet

    bool operator==(const CalculatedDesign&) const = default;
};

// The record of a calculation that has just succeeded with these selectors,
// the type clicked at typeElementCount elements.
CalculatedDesign calculatedDesign(const DesignState& state, DesignType type, std::int16_t typeElementCount,
                                  std::int16_t elementCount);
// The type clicked at the count calculated.
inline CalculatedDesign calculatedDesign(const DesignState& state, DesignType type, std::int16_t elementCount) {
    return calculatedDesign(state, type, elementCount, elementCount);
}

// "14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN"
std::string nameOf(const CalculatedDesign& design);

// What the user has changed since: the lock, the element count, the gauge,
// the design type; nothing when the window still shows the calculated design.
std::vector<std::string> changesSince(const CalculatedDesign& design, float freq, std::int16_t elementCount,
                                      std::int16_t gauge, std::optional<DesignType> type);

// The record of the last calculation and the design type last clicked, as
// the main window's handlers leave them: a refused calculation leaves none.
struct CalculationRecord {
    std::optional<DesignType> typeClicked;
    std::int16_t elementsAtClick = 0;
    std::optional<CalculatedDesign> last;
};

}  // namespace loopbeam
