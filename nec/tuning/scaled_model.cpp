#include "nec/tuning/scaled_model.h"

#include <algorithm>
#include <cmath>

#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

bool lengths(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v) && v > 0; });
}

}  // namespace

Outcome<NecModel> relaidModel(const NecModel& calculated, const BoomLayout& metres) {
    if (metres.perimeters.size() != calculated.loops.size() || metres.spacings.size() + 1 != metres.perimeters.size())
        return refuse(printfText("the lengths asked for are %zu loops and %zu gaps, and the design has %zu loops",
                                 metres.perimeters.size(), metres.spacings.size(), calculated.loops.size()));
    if (!lengths(metres.perimeters) || !lengths(metres.spacings))
        return refuse("the lengths asked for hold a loop or a gap that is not above 0 m");
    NecModel model = calculated;
    model.spacingsMetres = metres.spacings;
    const std::vector<double> boomX = positionsAlong(model.spacingsMetres);
    const double centreZ = model.boomHeightMetres.value_or(0);
    for (std::size_t i = 0; i < model.loops.size(); ++i) {
        Loop& loop = model.loops[i];
        loop.perimeterMetres = metres.perimeters[i];
        // The last wire is a side, after a diamond's feed wire too.
        const int perSide = loop.wires.back().segments;
        LoopWires laid = layLoop(model.shape, loop.perimeterMetres, perSide, boomX[i], centreZ, model.wireRadiusMetres,
                                 i == kDrivenLoop);
        for (std::size_t w = 0; w < laid.wires.size(); ++w) laid.wires[w].tag = loop.wires[w].tag;
        loop.wires = std::move(laid.wires);
    }
    if (auto fault = clearanceFault(model)) return refuse(*fault);
    return model;
}

BoomLayout scaledLayout(const NecModel& calculated, const LoopScales& scales) {
    BoomLayout metres = layoutOf(calculated);
    for (std::size_t i = 0; i < metres.perimeters.size(); ++i)
        metres.perimeters[i] *= i == kReflectorLoop ? scales.reflector
                                : i == kDrivenLoop  ? scales.driven
                                                    : scales.directors;
    return metres;
}

Outcome<NecModel> scaledModel(const NecModel& calculated, const LoopScales& scales) {
    return relaidModel(calculated, scaledLayout(calculated, scales));
}

}  // namespace loopbeam::nec
