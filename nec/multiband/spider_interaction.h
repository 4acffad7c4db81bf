#pragma once
// How the bands pull on each other: each band tuned alone on the same spider
// (its own two loops only, the same arms, wire and segments, the same goal)
// against the spider tuned with every band present, as builders compare a
// quad for several bands with published models of it.

#include <array>
#include <complex>
#include <vector>

#include "nec/multiband/spider_band_goal.h"

namespace loopbeam::nec {

// One band's loops alone, the band numbered 0 of a design of it alone.
struct BandAlone {
    MultibandDesign design;
    Spider spider;
};
BandAlone bandAlone(const MultibandDesign& design, const Spider& spider, std::size_t band);

struct LoopInteraction {
    bool driven = false;
    double aloneMetres = 0, togetherMetres = 0;  // perimeters, each tuned
};

struct BandInteraction {
    std::array<LoopInteraction, 2> loops;  // reflector, driven
    int aloneRounds = 0;
    // At the band's centre, each tuned.
    std::complex<double> aloneFeed, togetherFeed;
};

// Each band tuned alone for the goal the spider was tuned for, from its
// loops times the spider's wire factor, band after band; constraints only for
// the band goal. A band alone that cannot be
// tuned refuses, naming the band.
Outcome<std::vector<BandInteraction>> interactionOf(const MultibandDesign& design, const Spider& calculated,
                                                    const SpiderTuned& together, const CheckOptions& options,
                                                    const RunControl& control,
                                                    const std::vector<BandConstraints>& constraints);

}  // namespace loopbeam::nec
