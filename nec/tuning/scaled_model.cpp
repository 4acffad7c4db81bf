#include "nec/tuning/scaled_model.h"

namespace loopbeam::nec {

Outcome<NecModel> scaledModel(const NecModel& calculated, const LoopScales& scales) {
    NecModel model = calculated;
    const double centreZ = model.boomHeightMetres.value_or(0);
    for (std::size_t i = 0; i < model.loops.size(); ++i) {
        Loop& loop = model.loops[i];
        loop.perimeterMetres *= i == kReflectorLoop ? scales.reflector
                                : i == kDrivenLoop  ? scales.driven
                                                    : scales.directors;
        // The last wire is a side, after a diamond's feed wire too.
        const int perSide = loop.wires.back().segments;
        LoopWires laid = layLoop(model.shape, loop.perimeterMetres, perSide, loop.wires.front().from.x, centreZ,
                                 model.wireRadiusMetres, i == kDrivenLoop);
        for (std::size_t w = 0; w < laid.wires.size(); ++w) laid.wires[w].tag = loop.wires[w].tag;
        loop.wires = std::move(laid.wires);
    }
    if (auto fault = clearanceFault(model)) return refuse(*fault);
    return model;
}

}  // namespace loopbeam::nec
