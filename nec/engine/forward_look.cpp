#include "nec/engine/forward_look.h"

#include <algorithm>

namespace loopbeam::nec {

namespace {

double hundredths(double db) { return std::round(db * 100) / 100; }

}  // namespace

double ForwardLook::frontToBackDb() const { return hundredths(forward - back); }

double ForwardLook::frontToRearDb() const { return hundredths(forward - rear); }

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
    ForwardLook look = forwardLook(output.patterns.front());
    bool found = false;
    double rear = look.back;
    for (const Direction& d : output.rearHalf)
        if (d.theta == look.theta && d.phi >= 90 && d.phi <= 270) {
            rear = std::max(rear, d.gainDbi);
            found = true;
        }
    if (found) look.rear = rear;
    return look;
}

}  // namespace loopbeam::nec
