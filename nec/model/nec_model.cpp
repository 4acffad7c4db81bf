#include "nec/model/nec_model.h"

#include <algorithm>
#include <cmath>

#include "nec/choice_table.h"
#include "nec/model/segment_rule.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

bool positive(double value) { return std::isfinite(value) && value > 0; }

bool allPositive(const std::vector<double>& values) { return std::all_of(values.begin(), values.end(), positive); }

std::optional<std::string> designFault(const QuadDesign& d) {
    if (!positive(d.lockedMHz)) return "The design has no locked frequency. Lock a frequency and calculate first.";
    if (d.elements() < 3 || d.elements() > 50)
        return printfText("The design has %d elements; the check models 3 to 50.", d.elements());
    if (d.feet.spacings.size() + 1 != d.feet.perimeters.size())
        return printfText("The design has %zu spacings for %d elements; it needs one between each two neighbours.",
                          d.feet.spacings.size(), d.elements());
    if (!positive(d.wireDiameterInches) || !allPositive(d.feet.perimeters) || !allPositive(d.feet.spacings))
        return "The design has no loop lengths, spacing or wire diameter yet. Calculate the design first.";
    if (!(d.estimatedLowMHz > 0 && d.estimatedLowMHz < d.lockedMHz && d.lockedMHz < d.estimatedHighMHz &&
          std::isfinite(d.estimatedHighMHz)))
        return "The design's estimated range does not enclose its locked frequency. Calculate the design again.";
    return std::nullopt;
}

double feedWireLength(double perimeter, double wireRadius) {
    return std::max(perimeter * kFeedWirePerimeters, kFeedWireSegments * kMinSegmentRadii * wireRadius);
}

// Up to the 4 significant digits a message gives: the height it asks for is enough.
double roundedUp(double value) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 3);
    return std::ceil(value / unit) * unit;
}

double lowestZ(const NecModel& m) {
    double lowest = INFINITY;
    for (const Loop& loop : m.loops)
        for (const Wire& w : loop.wires) lowest = std::min({lowest, w.from.z, w.to.z});
    return lowest;
}

}  // namespace

std::vector<std::string> modelComments(const NecModel& m) {
    const char* shape = m.shape == LoopShape::Square ? "square" : "diamond";
    const SoilRow& soil = rowOf(kSoils, m.soil);
    std::vector<std::string> lines;
    lines.push_back(m.boomHeightMetres
                        ? printfText("loopbeam NEC-2 check: %s loops, boom %s high over %s", shape,
                                     boomHeightText(*m.boomHeightMetres).c_str(), std::string(soil.name).c_str())
                        : printfText("loopbeam NEC-2 check: %s loops in free space", shape));
    const ConductorRow& metal = rowOf(kConductors, m.conductor);
    std::string wire =
        printfText("Wire: %s%s, %.4g mm across, %.3g S/m (LD 5)", m.insulation ? "" : "bare ",
                   std::string(metal.word).c_str(), 2 * m.wireRadiusMetres / kMetresPerMm, metal.conductivity);
    if (m.insulation)
        wire += printfText(", with %s as %.4g H/m in series (LD 2)", insulationText(*m.insulation).c_str(),
                           seriesInductancePerMetre(m.wireRadiusMetres, *m.insulation));
    lines.push_back(wire);
    if (m.boomHeightMetres)
        lines.push_back(printfText("Ground: %s, permittivity %g, %g S/m, Sommerfeld-Norton (GN 2)",
                                   std::string(soil.name).c_str(), soil.permittivity, soil.conductivity));
    return lines;
}

int NecModel::totalSegments() const {
    int total = 0;
    for (const Loop& loop : loops)
        for (const Wire& w : loop.wires) total += w.segments;
    return total;
}

LoopWires layLoop(LoopShape shape, double perimeter, int segmentsPerSide, double x, double centreZ, double wireRadius,
                  bool fed) {
    if (shape == LoopShape::Square) return squareLoop(perimeter, segmentsPerSide, x, centreZ);
    return diamondLoop(perimeter, segmentsPerSide, x, centreZ, fed ? feedWireLength(perimeter, wireRadius) : 0);
}

std::string boomHeightText(double metres) { return shortestText(metres) + " m"; }

std::optional<std::string> clearanceFault(const NecModel& model) {
    if (!model.boomHeightMetres) return std::nullopt;
    const double clearance = lowestZ(model);
    const double needed = kMinClearanceWavelengths * wavelengthMetres(model.sweep.mhz.front());
    if (clearance >= needed) return std::nullopt;
    return printfText(
        "Over ground the loops must clear the ground by at least %.3g m, and at a boom height of %s their "
        "lowest wire is at %.4g m. Raise the boom to at least %.4g m.",
        needed, boomHeightText(*model.boomHeightMetres).c_str(), clearance,
        roundedUp(*model.boomHeightMetres - clearance + needed));
}

BoomLayout layoutOf(const NecModel& model) {
    BoomLayout layout{{}, model.spacingsMetres};
    for (const Loop& loop : model.loops) layout.perimeters.push_back(loop.perimeterMetres);
    return layout;
}

std::optional<std::string> optionsFault(const CheckOptions& options) {
    if (options.insulation)
        if (auto fault = insulationFault(*options.insulation)) return fault;
    if (options.boomHeightMetres && !positive(*options.boomHeightMetres))
        return "The boom height over ground must be a length above 0 m.";
    if (options.boomHeightMetres && *options.boomHeightMetres > kMaxBoomHeightMetres)
        return printfText(
            "The boom height over ground must be at most %.0f m: higher, the ground no longer "
            "shapes the pattern; check in free space instead.",
            kMaxBoomHeightMetres);
    if (options.sweepPoints < kMinSweepPoints || options.sweepPoints > kMaxSweepPoints)
        return printfText("The sweep must have %d to %d points.", kMinSweepPoints, kMaxSweepPoints);
    return std::nullopt;
}

Outcome<NecModel> buildModel(const QuadDesign& design, const CheckOptions& options) {
    if (auto fault = designFault(design)) return refuse(*fault);
    if (auto fault = optionsFault(options)) return refuse(*fault);

    const Band band = options.band.value_or(Band{design.estimatedLowMHz, design.estimatedHighMHz});
    if (auto fault = bandFault(band)) return refuse(*fault);
    if (options.band)
        if (auto fault = bandReachFault(band, design.lockedMHz)) return refuse(*fault);

    NecModel model;
    model.shape = options.shape;
    model.wireRadiusMetres = design.wireDiameterInches * kMetresPerInch / 2;
    model.boomHeightMetres = options.boomHeightMetres;
    model.soil = options.soil;
    model.conductor = options.conductor;
    model.insulation = options.insulation;
    model.sweep =
        planSweep(design.lockedMHz, design.estimatedLowMHz, design.estimatedHighMHz, band, options.sweepPoints);
    const double centreZ = options.boomHeightMetres.value_or(0);

    for (const double feet : design.feet.spacings) model.spacingsMetres.push_back(feet * kMetresPerFoot);
    const std::vector<double> boomX = positionsAlong(model.spacingsMetres);
    int tag = 0;
    for (std::size_t element = 0; element < design.feet.perimeters.size(); ++element) {
        Loop loop{design.feet.perimeters[element] * kMetresPerFoot, {}};
        auto segments = segmentsPerSide(loop.perimeterMetres / 4, model.wireRadiusMetres, model.sweep.top(),
                                        options.segmentsPerWavelength);
        if (!segments) return Refused{segments.error()};
        const bool fed = element == kDrivenLoop;
        LoopWires wires = layLoop(options.shape, loop.perimeterMetres, *segments, boomX[element], centreZ,
                                  model.wireRadiusMetres, fed);
        int before = model.totalSegments();
        for (std::size_t i = 0; i < wires.wires.size(); ++i) {
            wires.wires[i].tag = ++tag;
            if (fed && i == 0) model.feed = {tag, wires.feedSegment, before + wires.feedSegment};
            before += wires.wires[i].segments;
        }
        loop.wires = std::move(wires.wires);
        model.loops.push_back(std::move(loop));
    }

    if (auto fault = clearanceFault(model)) return refuse(*fault);

    model.comments = design.description;
    for (std::string& line : modelComments(model)) model.comments.push_back(std::move(line));
    return model;
}

}  // namespace loopbeam::nec
