#pragma once
// The bands' loops on one spider: straight arms from a hub on the boom, each
// band's reflector behind the hub and its driven loop in front, every loop
// centred on the boom with its corners on the arms. One arm angle serves
// every band, so each band's spacing follows from its loops' size.

#include <array>
#include <string_view>
#include <vector>

#include "nec/model/loop_geometry.h"
#include "nec/model/quad_design.h"
#include "nec/multiband/band_design.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// The driven loops of the bands not fed: closed wire, or their feed left open.
enum class UnusedFeeds { Closed, Open };

struct UnusedFeedsRow {
    UnusedFeeds key;
    std::string_view word, name;
};

inline constexpr std::array<UnusedFeedsRow, 2> kUnusedFeeds{{
    {UnusedFeeds::Closed, "closed", "closed loops"},
    {UnusedFeeds::Open, "open", "open (1 Mohm across their feeds)"},
}};

struct SpiderLoop {
    std::size_t band = 0;  // in the design's bands
    bool driven = false;   // every driven loop has its feed point, fed or not
    double perimeterMetres = 0;
    double positionMetres = 0;  // along the boom from the hub, forward positive
    LoopWires wires;            // laid where it stands, tags not yet given
};

struct Spider {
    LoopShape shape = LoopShape::Square;
    double wireRadiusMetres = 0;
    UnusedFeeds unusedFeeds = UnusedFeeds::Closed;
    double armAngleDegrees = 0;     // between each arm and the boom
    double segmentedForMHz = 0;     // every wire, for the top of the highest band's sweep
    double centreZMetres = 0;       // the boom's height, 0 in free space
    std::vector<SpiderLoop> loops;  // band by band, its reflector then its driven loop
};

// The arm angle: the mean over the bands of each band's rule spacing over
// the sum of its two loops' corner radii, as the angle's cotangent.
Outcome<Spider> buildSpider(const MultibandDesign& design, const CheckOptions& options, UnusedFeeds unused);

// The loop laid again at another perimeter with the same segments a side,
// its corners still on the arms: its place along the boom follows its size.
void resizeLoop(Spider& spider, std::size_t loop, double perimeterMetres);

// Where a band's reflector or driven loop stands in the spider's loops.
std::size_t loopIndex(const Spider& spider, std::size_t band, bool driven);

// How far the loop's corners stand from the boom, where they meet the arms.
double cornerRadiusMetres(const Spider& spider, const SpiderLoop& loop);

// A band's spacing on the spider, reflector to driven loop.
double spiderSpacingMetres(const Spider& spider, std::size_t band);

}  // namespace loopbeam::nec
