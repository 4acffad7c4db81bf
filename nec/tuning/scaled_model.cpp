#include "nec/tuning/scaled_model.h"

#include <algorithm>
#include <cmath>

namespace loopbeam::nec {
namespace {

bool lengths(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v) && v > 0; });
}

}  // namespace

Outcome<NecModel> relaidModel(const NecModel& calculated, const BoomLayout& metres) {
    if (metres.perimeters.size() != calculated.loops.size() || metres.spacings.size() + 1 != metres.perimeters.size())
        return refuse("The tuning asked for another count of loops or gaps than the design has; nothing was changed.");
    if (!lengths(metres.perimeters) || !lengths(metres.spacings))
        return refuse("The tuning asked for a loop or a gap of no length; nothing was changed.");
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

Outcome<NecModel> scaledModel(const NecModel& calculated, const LoopScales& scales) {
    BoomLayout metres = layoutOf(calculated);
    for (std::size_t i = 0; i < metres.perimeters.size(); ++i)
        metres.perimeters[i] *= i == kReflectorLoop ? scales.reflector
                                : i == kDrivenLoop  ? scales.driven
                                                    : scales.directors;
    return relaidModel(calculated, metres);
}

}  // namespace loopbeam::nec
