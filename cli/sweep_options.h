#pragma once
// The options that choose how the NEC-2 check sweeps: --sweep-points N, the
// frequencies the fitted sweep gives, --solve-every-point, each of them
// solved directly instead, for comparison, and --band LOW:HIGH, the span the
// band's figures are taken over.

#include <optional>
#include <string>
#include <string_view>

#include "nec/check/check_result.h"
#include "nec/model/quad_design.h"

namespace loopbeam::cli {

struct SweepChoices {
    std::optional<int> points;
    bool solveEveryPoint = false;
    std::optional<nec::Band> band;
};

// --sweep-points and --band, which take a value.
bool isSweepOption(std::string_view name);
// --solve-every-point, which takes none.
bool* sweepFlagNamed(SweepChoices& choices, std::string_view name);

// Reads one of them; a usage error's message when it is not accepted.
std::optional<std::string> readSweepOption(std::string_view name, std::string_view value, SweepChoices& choices);

// All three shape the check alone; every point of a sweep above kSweepPoints solved directly wants --allow-large.
std::optional<std::string> sweepChoicesFault(const SweepChoices& choices, bool runsCheck, bool allowLarge);

void applySweepChoices(const SweepChoices& choices, nec::CheckOptions& options);
nec::SweepMethod sweepMethodOf(const SweepChoices& choices);

}  // namespace loopbeam::cli
