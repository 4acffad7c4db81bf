#pragma once
// The band's worst: the lowest gain, F/B and F/R of the patterns solved over
// it and the highest SWR through the feed, each with the frequency where it
// falls. A single frequency's deep null is no rejection over the band.

#include <cmath>
#include <span>

#include "nec/model/sweep_plan.h"

namespace loopbeam::nec {

struct BandSample {
    double mhz = 0;
    double gainDbi = NAN, frontToBackDb = NAN, frontToRearDb = NAN;  // NaN where no pattern was read
    double swr = NAN;  // through the feed; infinite when none is delivered
};

struct BandWorst {
    double value = NAN, mhz = NAN;  // NaN where no sample within the band has the figure
};

struct BandFigures {
    Band band;
    BandWorst gainDbi, frontToBackDb, frontToRearDb;  // the lowest
    BandWorst swr;                                    // the highest
};

// Over the samples within the band, its edges included.
BandFigures bandFigures(const Band& band, std::span<const BandSample> samples);

}  // namespace loopbeam::nec
