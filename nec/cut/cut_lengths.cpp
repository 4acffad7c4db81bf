#include "nec/cut/cut_lengths.h"

#include <cmath>
#include <numeric>

#include "design/units.h"
#include "nec/model/nec_model.h"
#include "nec/model/wire.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

std::string feetInchesText(double metres) {
    constexpr long kPerFoot = static_cast<long>(kInchesPerFoot) * kSixteenthsPerInch;
    const long sixteenths = std::lround(metres / kMetresPerInch * kSixteenthsPerInch);
    const long inches = sixteenths % kPerFoot / kSixteenthsPerInch, part = sixteenths % kSixteenthsPerInch;
    std::string text = printfText("%ld ft %ld", sixteenths / kPerFoot, inches);
    if (part != 0) {
        const long common = std::gcd(part, static_cast<long>(kSixteenthsPerInch));
        text += printfText(" %ld/%ld", part / common, kSixteenthsPerInch / common);
    }
    return text + " in";
}

std::string metresText(double metres) { return printfText("%.3f m", metres); }

std::string lengthText(double metres, CutUnits units) {
    return units == CutUnits::Metres ? metresText(metres) : feetInchesText(metres);
}

std::string changeText(double calculated, double tuned, CutUnits units) {
    const double change = tuned - calculated;
    return (units == CutUnits::Metres ? printfText("%+.1f cm", change / kMetresPerMm / 10)
                                      : printfText("%+.2f in", change / kMetresPerInch)) +
           printfText("  %+.2f%%", change / calculated * 100);
}

RoundingEffect roundingEffect(CutUnits units, double drivenMetres, double slope) {
    const double off = units == CutUnits::Metres ? kMetresPerMm / 2 : kMetresPerInch / (2 * kSixteenthsPerInch);
    const double share = off / drivenMetres;
    return {share, share * slope};
}

std::array<std::string, 2> roundingClauses(CutUnits units, const RoundingEffect& effect, double lockedMHz) {
    const char* cut = units == CutUnits::Metres ? "Cut to the nearest millimetre, a loop is at most 0.5 mm off"
                                                : "Cut to the nearest 1/16 inch, a loop is at most 1/32 inch off";
    return {printfText("%s: %.4f%% of the driven loop", cut, effect.shareOfDriven * 100),
            printfText("which moves X at %g MHz by up to %.2f ohm", lockedMHz, effect.ohms)};
}

}  // namespace loopbeam::nec
