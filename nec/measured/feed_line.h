#pragma once
// The lines between the analyser and the feed point: a feed line and, where
// the check advised one, the quarter-wave section. A measurement through them
// is moved back to the feed point before anything else reads it.

#include <array>
#include <complex>
#include <optional>
#include <string>
#include <string_view>

#include "design/cables.h"
#include "nec/check/feed_match.h"

namespace loopbeam::nec {

struct LineCable {
    std::string_view name;
    double ohms;
    double velocityFactor;
};

// The matching window's 75-ohm cables, then the common 50-ohm ones (makers' data).
inline constexpr std::array<LineCable, kCables.size() + 3> kLineCables = [] {
    std::array<LineCable, kCables.size() + 3> rows{};
    for (std::size_t i = 0; i < kCables.size(); ++i) rows[i] = {kCables[i].entry, kSectionOhms, kCables[i].velFactor};
    rows[kCables.size()] = {"RG-58", 50, 0.66};
    rows[kCables.size() + 1] = {"RG-8X", 50, 0.78};
    rows[kCables.size() + 2] = {"RG-213", 50, 0.66};
    return rows;
}();

// The most a feed line's fields take: its length, impedance and matched loss.
inline constexpr double kMaxFeedlineMetres = 10000, kMaxLineOhms = 1000, kMaxLineLossDb = 100;

// Spelled as listed; nothing for a name not listed.
const LineCable* lineCableNamed(std::string_view name);
// "RG-6, RG-11, ... or RG-213", names with blanks quoted.
std::string lineCableNames();

struct TransmissionLine {
    double ohms = 50;
    double velocityFactor = 1;
    double lengthMetres = 0;
    // Matched loss of the whole length at referenceMHz in dB; it grows with
    // the square root of frequency (the conductors' skin effect).
    double lossDb = 0;
    double referenceMHz = 1;
};

// What the near end of the line shows with load at its far end.
std::complex<double> inputImpedance(std::complex<double> load, const TransmissionLine& line, double mhz);

// The load at the far end that shows input at the near end: the same line
// walked backwards.
std::complex<double> loadImpedance(std::complex<double> input, const TransmissionLine& line, double mhz);

}  // namespace loopbeam::nec
