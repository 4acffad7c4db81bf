#include "cli/sweep_options.h"

#include "cli/options.h"
#include "nec/band/band_text.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {

bool isSweepOption(std::string_view name) { return name == "--sweep-points" || name == "--band"; }

bool* sweepFlagNamed(SweepChoices& choices, std::string_view name) {
    return name == "--solve-every-point" ? &choices.solveEveryPoint : nullptr;
}

std::optional<std::string> readSweepOption(std::string_view name, std::string_view value, SweepChoices& choices) {
    if (name == "--band") {
        const std::size_t colon = value.find(':');
        auto band = colon == std::string_view::npos ? nec::Outcome<nec::Band>(nec::refuse(""))
                                                    : nec::bandOfTexts(value.substr(0, colon), value.substr(colon + 1));
        if (!band)
            return "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, " +
                   notValue(value);
        choices.band = *band;
        return std::nullopt;
    }
    const auto points = wholeNumber(value);
    if (!points || *points < nec::kMinSweepPoints || *points > nec::kMaxSweepPoints)
        return nec::printfText("--sweep-points must be a whole number from %d to %d, ", nec::kMinSweepPoints,
                               nec::kMaxSweepPoints) +
               notValue(value);
    choices.points = points;
    return std::nullopt;
}

std::optional<std::string> sweepChoicesFault(const SweepChoices& choices, bool runsCheck, bool allowLarge) {
    if ((choices.points || choices.solveEveryPoint || choices.band) && !runsCheck)
        return "--sweep-points, --solve-every-point and --band shape the NEC-2 check's sweep: add --simulate, "
               "--touchstone or --tune";
    if (choices.solveEveryPoint && choices.points.value_or(nec::kSweepPoints) > nec::kSweepPoints && !allowLarge)
        return nec::printfText(
            "--solve-every-point with more than %d points runs nec2c at every one of them: add --allow-large to run it",
            nec::kSweepPoints);
    return std::nullopt;
}

void applySweepChoices(const SweepChoices& choices, nec::CheckOptions& options) {
    options.sweepPoints = choices.points.value_or(nec::kSweepPoints);
    options.band = choices.band;
}

nec::SweepMethod sweepMethodOf(const SweepChoices& choices) {
    return choices.solveEveryPoint ? nec::SweepMethod::SolveEveryPoint : nec::SweepMethod::Fitted;
}

}  // namespace loopbeam::cli
