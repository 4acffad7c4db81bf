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
    if (!output.fine.empty()) {
        const ForwardLook fine = forwardLook(output.fine);
        if (fine.forward >= look.forward) look = fine;
    }
    // The rear half is asked on the 1-degree grid: at a refined elevation
    // between two of its rows, each azimuth is interpolated in power (the
    // horizon's -999.99 dBi is no power at all).
    const double below = std::floor(look.theta), above = std::ceil(look.theta);
    const double t = above > below ? (look.theta - below) / (above - below) : 0;
    const auto power = [](double dbi) { return std::pow(10.0, dbi / 10); };
    bool found = false;
    double rear = look.back;
    for (const Direction& low : output.rearHalf) {
        if (low.theta != below || low.phi < 90 || low.phi > 270) continue;
        double gain = low.gainDbi;
        if (t > 0) {
            const auto high = std::find_if(output.rearHalf.begin(), output.rearHalf.end(),
                                           [&](const Direction& d) { return d.theta == above && d.phi == low.phi; });
            if (high == output.rearHalf.end()) continue;
            gain = 10 * std::log10(power(low.gainDbi) + t * (power(high->gainDbi) - power(low.gainDbi)));
        }
        rear = std::max(rear, gain);
        found = true;
    }
    if (found) look.rear = rear;
    return look;
}

}  // namespace loopbeam::nec
