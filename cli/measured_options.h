#pragma once
// The options that set an analyser's measurement beside the model: --measured
// FILE, and the lines it went through: --feedline LENGTH_M with
// --feedline-cable NAME or --feedline-z0 OHM and --feedline-vf VF,
// --feedline-loss-db DB, and --through-section; --as-cut FILE|LENGTHS for the
// trims.

#include <optional>
#include <string>
#include <string_view>

#include "nec/measured/feed_line.h"

namespace loopbeam::cli {

struct MeasuredChoices {
    std::optional<std::string> file;
    std::optional<double> feedlineMetres;
    std::optional<std::string> cable;
    std::optional<double> z0, velocityFactor;
    std::optional<double> lossDb;  // at the locked frequency
    bool throughSection = false;
    std::optional<std::string> asCut;  // a cut list's CSV or element=metres pairs
};

// The options that take a value.
bool isMeasuredOption(std::string_view name);
// --through-section, which takes none.
bool* measuredFlagNamed(MeasuredChoices& choices, std::string_view name);

// Reads one; a usage error's message when it is not accepted.
std::optional<std::string> readMeasuredOption(std::string_view name, std::string_view value, MeasuredChoices& choices);

// What the options lack or where they clash.
std::optional<std::string> measuredChoicesFault(const MeasuredChoices& choices, bool simulatesOrTunes);

// The feed line the options describe (after measuredChoicesFault found none),
// its loss taken at lockedMHz.
std::optional<nec::TransmissionLine> feedlineOf(const MeasuredChoices& choices, double lockedMHz);

}  // namespace loopbeam::cli
