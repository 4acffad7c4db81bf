#include "nec/multiband/spider.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "nec/model/nec_model.h"
#include "nec/model/segment_rule.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

// How far the loop's farthest corner stands from the boom: where it meets its arm.
double cornerRadius(const LoopWires& loop, double centreZ) {
    double radius = 0;
    for (const Wire& w : loop.wires)
        for (const Point& p : {w.from, w.to}) radius = std::max(radius, std::hypot(p.y, p.z - centreZ));
    return radius;
}

void moveAlongBoom(LoopWires& loop, double x) {
    for (Wire& w : loop.wires) w.from.x = w.to.x = x;
}

double armCotangent(const Spider& spider) { return 1 / std::tan(spider.armAngleDegrees * std::numbers::pi / 180); }

// Reflectors behind the hub, driven loops in front.
void placeOnArms(SpiderLoop& loop, double radius, double cotangent) {
    loop.positionMetres = (loop.driven ? 1 : -1) * radius * cotangent;
    moveAlongBoom(loop.wires, loop.positionMetres);
}

}  // namespace

Outcome<Spider> buildSpider(const MultibandDesign& design, const CheckOptions& options, UnusedFeeds unused) {
    if (auto fault = optionsFault(options)) return refuse(*fault);
    Spider spider;
    spider.shape = options.shape;
    spider.wireRadiusMetres = design.wireDiameterInches * kMetresPerInch / 2;
    spider.unusedFeeds = unused;
    const BandRule& highest = design.bands.back();
    spider.segmentedForMHz =
        planSweep(highest.mhz, highest.estimatedLowMHz, highest.estimatedHighMHz, options.sweepPoints).top();
    const double centreZ = spider.centreZMetres = options.boomHeightMetres.value_or(0);

    double cotangentSum = 0;
    std::vector<double> radii;
    for (std::size_t band = 0; band < design.bands.size(); ++band) {
        const BandRule& rule = design.bands[band];
        double radiusSum = 0;
        for (const bool driven : {false, true}) {
            SpiderLoop loop{band, driven, (driven ? rule.drivenFeet : rule.reflectorFeet) * kMetresPerFoot, 0, {}};
            // The segment rule's own refusal would blame the design: here the bands lie too far apart.
            const double side = loop.perimeterMetres / 4;
            if (side / kMaxSegmentsPerSide > kMaxSegmentWavelengths * wavelengthMetres(spider.segmentedForMHz))
                return refuse(printfText(
                    "The %g MHz band is too far below the %g MHz band for one spider: every wire is cut into "
                    "segments for %.6g MHz, the top of the highest band's sweep, and a %g MHz loop's side of %.4g m "
                    "would need more than %d of them. Leave out the %g MHz band or the highest one.",
                    rule.mhz, highest.mhz, spider.segmentedForMHz, rule.mhz, side, kMaxSegmentsPerSide, rule.mhz));
            auto segments = segmentsPerSide(loop.perimeterMetres / 4, spider.wireRadiusMetres, spider.segmentedForMHz,
                                            options.segmentsPerWavelength);
            if (!segments) return Refused{segments.error()};
            loop.wires =
                layLoop(options.shape, loop.perimeterMetres, *segments, 0, centreZ, spider.wireRadiusMetres, driven);
            radii.push_back(cornerRadius(loop.wires, centreZ));
            radiusSum += radii.back();
            spider.loops.push_back(std::move(loop));
        }
        cotangentSum += rule.spacingFeet * kMetresPerFoot / radiusSum;
    }
    const double cotangent = cotangentSum / static_cast<double>(design.bands.size());
    spider.armAngleDegrees = std::atan(1 / cotangent) * 180 / std::numbers::pi;
    for (std::size_t i = 0; i < spider.loops.size(); ++i) placeOnArms(spider.loops[i], radii[i], cotangent);
    return spider;
}

void resizeLoop(Spider& spider, std::size_t index, double perimeterMetres) {
    SpiderLoop& loop = spider.loops.at(index);
    loop.perimeterMetres = perimeterMetres;
    // The last wire is always a side: a fed diamond's first is its feed wire.
    loop.wires = layLoop(spider.shape, perimeterMetres, loop.wires.wires.back().segments, 0, spider.centreZMetres,
                         spider.wireRadiusMetres, loop.driven);
    placeOnArms(loop, cornerRadius(loop.wires, spider.centreZMetres), armCotangent(spider));
}

double cornerRadiusMetres(const Spider& spider, const SpiderLoop& loop) {
    return cornerRadius(loop.wires, spider.centreZMetres);
}

std::size_t loopIndex(const Spider& spider, std::size_t band, bool driven) {
    const auto at = std::find_if(spider.loops.begin(), spider.loops.end(),
                                 [&](const SpiderLoop& l) { return l.band == band && l.driven == driven; });
    return static_cast<std::size_t>(at - spider.loops.begin());
}

double spiderSpacingMetres(const Spider& spider, std::size_t band) {
    return spider.loops.at(loopIndex(spider, band, true)).positionMetres -
           spider.loops.at(loopIndex(spider, band, false)).positionMetres;
}

}  // namespace loopbeam::nec
