#pragma once
// A calculated quad design as the NEC-2 check reads it, and how to model it.
// Plain data: the program fills it from its own design state.

#include <optional>
#include <string>
#include <vector>

#include "nec/model/boom_layout.h"
#include "nec/model/soil.h"
#include "nec/model/sweep_plan.h"
#include "nec/model/wire.h"

namespace loopbeam::nec {

struct QuadDesign {
    double lockedMHz = 0;  // centre frequency the design was calculated for
    double wireDiameterInches = 0;
    // The loops' perimeters and gaps in feet: 3..50 loops, one reflector,
    // one driven element, the rest directors.
    BoomLayout feet;
    double estimatedLowMHz = 0;
    double estimatedHighMHz = 0;
    std::vector<std::string> description;  // comment lines naming the design

    int elements() const { return static_cast<int>(feet.perimeters.size()); }
};

enum class LoopShape { Square, Diamond };

struct CheckOptions {
    LoopShape shape = LoopShape::Square;
    // Over the soil with the boom at this height; free space without.
    std::optional<double> boomHeightMetres = std::nullopt;
    // Segments a wavelength at the top of the sweep: 40 gives a quad loop's side
    // 11 or 13, and twice as many moves the feed impedance at the locked
    // frequency by less than 1%. A finer one checks that convergence.
    double segmentsPerWavelength = 40;
    Soil soil = Soil::Average;  // under the boom, when there is a height
    Conductor conductor = Conductor::Copper;
    std::optional<Insulation> insulation = std::nullopt;  // bare wire without
    int sweepPoints = kSweepPoints;                       // kMinSweepPoints to kMaxSweepPoints
    std::optional<Band> band = std::nullopt;              // the estimated range without

    bool operator==(const CheckOptions&) const = default;
};

}  // namespace loopbeam::nec
