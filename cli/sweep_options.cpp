#include "cli/sweep_options.h"

#include "cli/options.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {

bool isSweepOption(std::string_view name) { return name == "--sweep-points"; }

bool* sweepFlagNamed(SweepChoices& choices, std::string_view name) {
    return name == "--solve-every-point" ? &choices.solveEveryPoint : nullptr;
}

std::optional<std::string> readSweepOption(std::string_view value, SweepChoices& choices) {
    const auto points = wholeNumber(value);
    if (!points || *points < nec::kMinSweepPoints || *points > nec::kMaxSweepPoints)
        return nec::printfText("--sweep-points must be a whole number from %d to %d, ", nec::kMinSweepPoints,
                               nec::kMaxSweepPoints) +
               notValue(value);
    choices.points = points;
    return std::nullopt;
}

std::optional<std::string> sweepChoicesFault(const SweepChoices& choices, bool runsCheck, bool allowLarge) {
    if ((choices.points || choices.solveEveryPoint) && !runsCheck)
        return "--sweep-points and --solve-every-point shape the NEC-2 check's sweep: add --simulate, --touchstone "
               "or --tune";
    if (choices.solveEveryPoint && choices.points.value_or(nec::kSweepPoints) > nec::kSweepPoints && !allowLarge)
        return nec::printfText(
            "--solve-every-point with more than %d points runs nec2c at every one of them: add --allow-large to run it",
            nec::kSweepPoints);
    return std::nullopt;
}

void applySweepChoices(const SweepChoices& choices, nec::CheckOptions& options) {
    options.sweepPoints = choices.points.value_or(nec::kSweepPoints);
}

nec::SweepMethod sweepMethodOf(const SweepChoices& choices) {
    return choices.solveEveryPoint ? nec::SweepMethod::SolveEveryPoint : nec::SweepMethod::Fitted;
}

}  // namespace loopbeam::cli
