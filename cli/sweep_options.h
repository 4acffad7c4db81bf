#pragma once
// The options that choose how the NEC-2 check sweeps: --sweep-points N, the
// frequencies the fitted sweep gives, and --solve-every-point, each of them
// solved directly instead, for comparison.

#include <optional>
#include <string>
#include <string_view>

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

namespace loopbeam::cli {

struct SweepChoices {
    std::optional<int> points;
    bool solveEveryPoint = false;
};

// --sweep-points, which takes a value.
bool isSweepOption(std::string_view name);
// --solve-every-point, which takes none.
bool* sweepFlagNamed(SweepChoices& choices, std::string_view name);

// Reads --sweep-points; a usage error's message when it is not accepted.
std::optional<std::string> readSweepOption(std::string_view value, SweepChoices& choices);

// Both shape the check alone; every point of a sweep above kSweepPoints solved directly wants --allow-large.
std::optional<std::string> sweepChoicesFault(const SweepChoices& choices, bool runsCheck, bool allowLarge);

void applySweepChoices(const SweepChoices& choices, nec::CheckOptions& options);
nec::SweepMethod sweepMethodOf(const SweepChoices& choices);

}  // namespace loopbeam::cli
