#include "nec/cut/cut_list.h"

#include <cmath>

#include "nec/printf_text.h"
#include "nec/tuning/cut_loops.h"

namespace loopbeam::nec {

std::vector<CutRow> cutRows(const NecModel& calculated, const Tuned* tuned) {
    const NecModel& cut = tuned ? tuned->model : calculated;
    const std::vector<double> positions = positionsAlong(cut.spacingsMetres);
    std::vector<CutRow> rows;
    for (std::size_t i = 0; i < cut.loops.size(); ++i) {
        const CutLoop& loop = cutLoopOf(i);
        CutRow row;
        const bool director = i > kDrivenLoop;
        row.element = director ? printfText("Director %zu", i - kDrivenLoop) : std::string(loop.caption);
        row.key = director ? printfText("director_%zu", i - kDrivenLoop) : std::string(loop.word);
        row.wireMetres = cut.loops[i].perimeterMetres;
        row.sideMetres = row.wireMetres / 4;
        row.armMetres = row.wireMetres / (4 * std::sqrt(2.0));
        row.boomMetres = positions[i];
        if (tuned && row.wireMetres != calculated.loops[i].perimeterMetres)
            row.calculatedWireMetres = calculated.loops[i].perimeterMetres;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace loopbeam::nec
