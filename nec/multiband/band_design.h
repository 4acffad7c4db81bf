#pragma once
// A two-element quad for several bands on one set of spreaders: each band's
// reflector, driven loop and spacing as the single-band rules give them for
// that band alone (STANDARD HIGH GAIN at 3 elements, without its director).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/refusal.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr std::size_t kMinBands = 2, kMaxBands = 5;
// Closer than this (|f1 - f2| over the lower), two bands' loops would all but touch.
inline constexpr double kMinBandSeparation = 0.10;

// The amateur bands offered by name, each at the centre it is designed for,
// as typed into the frequency box.
struct AmateurBand {
    std::string_view name, centreMHz;
};

inline constexpr std::array<AmateurBand, 6> kAmateurBands{{
    {"20 m", "14.2"},
    {"17 m", "18.1"},
    {"15 m", "21.2"},
    {"12 m", "24.94"},
    {"10 m", "28.5"},
    {"6 m", "50.1"},
}};

struct BandRule {
    double mhz = 0;  // as locked
    double reflectorFeet = 0, drivenFeet = 0;
    double spacingFeet = 0;  // the single-band rule's, reflector to driven loop
    double estimatedLowMHz = 0, estimatedHighMHz = 0;
    std::string name;  // "14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN"
};

struct MultibandDesign {
    std::vector<BandRule> bands;  // ascending frequency
    std::int16_t gauge = 0;
    double wireDiameterInches = 0;
};

// A refusal of the lock or the calculation in the words of the front end.
using RefusalWords = std::function<std::string(const Refusal&)>;

// Each text locked as the main window's frequency box locks it; refuses fewer
// than kMinBands or more than kMaxBands, a text the lock refuses, a frequency
// not above 0 and two bands closer than kMinBandSeparation.
Outcome<MultibandDesign> designBands(const std::vector<std::string>& typed, std::int16_t gauge,
                                     const RefusalWords& words);

// Centres typed in one text between commas ("14.2, 21.2"): a comma between
// two digits with no point on either side ("21,2") may be a decimal comma,
// and reading it as two bands would check another quad without a word. The
// message saying so, or nothing.
std::optional<std::string> decimalCommaIn(std::string_view centres);

}  // namespace loopbeam::nec
