#include "nec/engine/output_bounds.h"

#include <algorithm>
#include <cmath>

#include "nec/engine/forward_look.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

// Written as the figure is compared (a NaN is never within), in few digits
// whatever its size.
std::optional<std::string> gainBeyond(double dbi, const char* where) {
    if (dbi >= kLeastGainDbi && dbi <= kMostGainDbi) return std::nullopt;
    return printfText("a gain of %.5g dBi %s, where an antenna's lies between %g and %g dBi", dbi, where, kLeastGainDbi,
                      kMostGainDbi);
}

}  // namespace

std::optional<std::string> beyondBounds(const FrequencyOutput& output) {
    const double r = output.feedImpedance.real(), x = output.feedImpedance.imag();
    if (!(r > 0 && r < kMostFeedResistanceOhms))
        return printfText("a feed resistance of %.5g ohm, where an antenna's lies above 0 and below %.0f ohm", r,
                          kMostFeedResistanceOhms);
    if (!(std::abs(x) < kMostFeedReactanceOhms))
        return printfText("a feed reactance of %.5g ohm, where an antenna's lies within +-%.0f ohm", x,
                          kMostFeedReactanceOhms);
    // Any direction may be a deep null, down to nec2c's floor; none gains more than the bounds allow.
    for (const std::vector<Direction>& cut : output.patterns)
        for (const Direction& d : cut)
            if (!(d.gainDbi >= kNec2cNoGainDbi && d.gainDbi <= kMostGainDbi))
                return printfText(
                    "a gain of %.5g dBi at theta %.2f, phi %.2f, where a direction's lies from %.2f (none at all) to "
                    "%g dBi",
                    d.gainDbi, d.theta, d.phi, kNec2cNoGainDbi, kMostGainDbi);
    if (output.patterns.empty()) return std::nullopt;
    const ForwardLook look = forwardLook(output.patterns.front());
    if (auto forward = gainBeyond(look.forward, "forward")) return forward;
    return gainBeyond(look.back, "straight behind");
}

std::optional<std::string> reactanceNeverChanges(std::span<const double> reactances) {
    if (reactances.size() < 2 ||
        std::any_of(reactances.begin(), reactances.end(), [&](double x) { return x != reactances.front(); }))
        return std::nullopt;
    return printfText(
        "the same feed reactance, %.5g ohm, in each of %zu solves, where an antenna's changes with "
        "frequency and with its lengths",
        reactances.front(), reactances.size());
}

std::string notBelieved(const std::string& where, const std::string& what) {
    return "nec2c's output " + (where.empty() ? "" : where + ", ") + "gives " + what +
           ": NEC-2 cannot solve this model reliably, or the nec2c on PATH is not the NEC-2 engine; no figures are "
           "shown.";
}

}  // namespace loopbeam::nec
