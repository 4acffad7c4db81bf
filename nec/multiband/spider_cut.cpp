#include "nec/multiband/spider_cut.h"

#include <cmath>

namespace loopbeam::nec {

SpiderCut spiderCut(const MultibandDesign& design, const Spider& calculated, const SpiderTuned* tuned) {
    const Spider& cut = tuned ? tuned->spider : calculated;
    SpiderCut list;
    list.armAngleDegrees = cut.armAngleDegrees;
    list.tuned = tuned != nullptr;
    if (tuned) list.goal = tuned->goal;
    for (std::size_t i = 0; i < cut.loops.size(); ++i) {
        const SpiderLoop& loop = cut.loops[i];
        SpiderCutRow row;
        row.bandMHz = design.bands.at(loop.band).mhz;
        row.driven = loop.driven;
        row.wireMetres = loop.perimeterMetres;
        row.sideMetres = loop.perimeterMetres / 4;
        // The corner sits on the arm: the arm's length is the hypotenuse.
        row.armMetres = std::hypot(loop.positionMetres, cornerRadiusMetres(cut, loop));
        row.positionMetres = loop.positionMetres;
        if (tuned && loop.perimeterMetres != calculated.loops.at(i).perimeterMetres)
            row.calculatedWireMetres = calculated.loops[i].perimeterMetres;
        SpreaderArm& side = loop.driven ? list.front : list.back;
        if (row.armMetres > side.metres) side = {row.armMetres, i};
        list.rows.push_back(std::move(row));
    }
    return list;
}

}  // namespace loopbeam::nec
