#pragma once
// Reading nec2c's printed output back into numbers. nec2c prints frequencies
// to 5 significant digits, so a block is matched to the frequency asked by its
// place in the output, the printed value only confirming it.

#include <complex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "nec/model/nec_model.h"
#include "nec/model/pattern_grid.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// Printed once a frequency is solved, before its feed impedance.
inline constexpr std::string_view kSolvedMarker = "ANTENNA INPUT PARAMETERS";
// Printed last, once nec2c has done all it was asked.
inline constexpr std::string_view kFinishedMarker = "TOTAL RUN TIME";

struct Direction {
    double theta = 0, phi = 0;  // degrees, as on the RP card
    double gainDbi = 0;         // total power gain
};

struct FrequencyOutput {
    std::complex<double> feedImpedance;
    std::vector<std::vector<Direction>> patterns;  // one a cut of patternCuts, in NEC-2's order: theta fastest
    std::vector<Direction> rearHalf;               // rearHalfGrid's, where asked
    std::vector<Direction> fine;                   // the refined window's, when one was asked
};

// Refuses output that ends early or does not answer the requests: another
// count of frequencies, another printed frequency, another feed segment, a
// missing or unreadable number, other directions; and a figure beyond what
// an antenna gives (output_bounds.h).
Outcome<std::vector<FrequencyOutput>> readNec2cOutput(std::string_view output,
                                                      std::span<const FrequencyRequest> requests,
                                                      const FeedSegment& feed, bool overGround);

// After an input error nec2c exits with 255 and writes its complaint into the
// output file, after its echo of the card it could not take.
std::string nec2cComplaint(std::string_view output);

}  // namespace loopbeam::nec
