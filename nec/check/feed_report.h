#pragma once
// The feed advice in words: its rows, a column for each design advised, and
// the recommendation in a sentence.

#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "nec/check/feed_advice.h"
#include "nec/text_table.h"

namespace loopbeam::nec {

// "Feed at 14.2 MHz"
// "78.95 - j2.35 ohm", as every report words a feed impedance.
std::string impedanceText(std::complex<double> z);

std::string feedHeading(double lockedMHz);

// The impedance, the SWR through each feed, the ideal section, the
// recommended feed and where it keeps the SWR below 2.
std::vector<TextRow> feedRows(const std::vector<const FeedAdvice*>& advice);

// "Recommended feed: 75-ohm quarter wave, SWR 1.24 at 21.2 MHz; below 2 with
// it: 20.851 to 21.329 MHz, around 21.2 MHz.", or that no feed gives SWR below 2.
std::string recommendationText(const FeedAdvice& advice, double lockedMHz);

// Where the advice is not the matching window's fixed note (90 to 120 ohms
// through a 75-ohm quarter wave), a line that says so.
std::optional<std::string> matchingWindowDiffers(const FeedAdvice& advice, double lockedMHz);

// "A quarter-wave section in RG-11 (velocity factor 0.66), as the matching
// window cuts it: ", then its length, then kParallelSections.
std::string sectionLead(std::string_view cable, double velocityFactor);
inline constexpr std::string_view kParallelSections = "for 37.5 ohms, two such lengths in parallel.";

}  // namespace loopbeam::nec
