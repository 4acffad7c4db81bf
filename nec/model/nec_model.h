#pragma once
// The NEC-2 model of a design: its loops on the boom, the feed, the ground and
// the sweep, built only for designs within the thin-wire model's limits.

#include <optional>
#include <string>
#include <vector>

#include "design/units.h"
#include "nec/model/loop_geometry.h"
#include "nec/model/quad_design.h"
#include "nec/model/sweep_plan.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

inline constexpr double kMetresPerInch = kCmPerInch / kCmPerMetre;
inline constexpr double kMetresPerFoot = kInchesPerFoot * kMetresPerInch;

// Higher than any mast: there the ground's reflection no longer shapes the
// pattern as a builder means it, and the engine's figures lose their sense.
inline constexpr double kMaxBoomHeightMetres = 300;
// The Sommerfeld-Norton ground holds for wires down to about 1/1000 wavelength.
inline constexpr double kMinClearanceWavelengths = 0.001;

// The diamond's feed wire: about a side's segment, fixed so that a finer
// segmentation leaves the shape alone, and its segments never under 8 radii.
inline constexpr double kFeedWirePerimeters = 1.0 / 44;

// An open feed as NEC-2 models it: a resistance no current passes to speak of.
inline constexpr double kOpenFeedOhms = 1e6;

struct Loop {
    double perimeterMetres = 0;  // as calculated
    std::vector<Wire> wires;
};

struct FeedSegment {
    int tag = 0;
    int segment = 0;  // on its wire, as the EX card names it
    int number = 0;   // over the whole structure, as nec2c prints it
};

struct NecModel {
    LoopShape shape = LoopShape::Square;
    std::vector<Loop> loops;             // in the order of the boom's layout
    std::vector<double> spacingsMetres;  // between neighbouring loops, from the reflector forward
    double wireRadiusMetres = 0;
    FeedSegment feed;
    std::vector<FeedSegment> openFeeds;      // feeds left unconnected: kOpenFeedOhms on each
    std::optional<double> boomHeightMetres;  // over the soil; free space without
    Soil soil = Soil::Average;
    Conductor conductor = Conductor::Copper;  // on every wire: the skin-effect loss of a real quad
    std::optional<Insulation> insulation;
    SweepPlan sweep;
    std::vector<std::string> comments;  // the design's description, then the model's

    int totalSegments() const;
};

Outcome<NecModel> buildModel(const QuadDesign& design, const CheckOptions& options);

// What is wrong with the insulation, the boom's height or the sweep's points.
std::optional<std::string> optionsFault(const CheckOptions& options);

// The model in comment cards: the loops' shape, the wire, the ground.
std::vector<std::string> modelComments(const NecModel& model);

// The loops' perimeters and gaps, in metres.
BoomLayout layoutOf(const NecModel& model);

// One loop's wires at x along the boom around centreZ; a fed diamond gets its feed wire.
LoopWires layLoop(LoopShape shape, double perimeter, int segmentsPerSide, double x, double centreZ, double wireRadius,
                  bool fed);

// "2.838 m": the boom's height as it was given, wherever it is told.
std::string boomHeightText(double metres);

// Over ground, why the loops stand too close to it and how high the boom must be.
std::optional<std::string> clearanceFault(const NecModel& model);

}  // namespace loopbeam::nec
