#include "nec/check/forward_look.h"

namespace loopbeam::nec {

ForwardLook forwardLook(const std::vector<Direction>& pattern) {
    ForwardLook best;
    bool found = false;
    for (const Direction& d : pattern) {
        if (d.phi != 0 || (found && d.gainDbi <= best.forward)) continue;
        best = {d.theta, d.gainDbi, best.back};
        found = true;
    }
    for (const Direction& d : pattern)
        if (d.theta == best.theta && d.phi == 180) best.back = d.gainDbi;
    return best;
}

ForwardLook forwardLook(const FrequencyOutput& output) {
    const ForwardLook coarse = forwardLook(output.patterns.front());
    if (output.fine.empty()) return coarse;
    const ForwardLook fine = forwardLook(output.fine);
    return fine.forward >= coarse.forward ? fine : coarse;
}

}  // namespace loopbeam::nec
