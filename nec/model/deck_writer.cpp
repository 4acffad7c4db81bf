#include "nec/model/deck_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "nec/choice_table.h"
#include "nec/model/segment_rule.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

// Comment cards stay printable and within a card's 80 columns: a longer
// comment goes on as many cards as it needs, broken at blanks.
std::string commentCards(std::string text) {
    constexpr std::size_t kWidth = 77;
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    std::string cards;
    do {
        std::size_t cut = text.size() <= kWidth ? text.size() : text.rfind(' ', kWidth);
        if (cut == std::string::npos || cut == 0) cut = kWidth;
        cards += "CM " + text.substr(0, cut) + '\n';
        text.erase(0, std::min(text.find_first_not_of(' ', cut), text.size()));
    } while (!text.empty());
    return cards;
}

// Seven significant digits (a micrometre on a quad's wires) keep a card
// within 80 columns, as NEC-2 programs that read fixed cards want.
std::string wireCard(const Wire& w, double radius) {
    return printfText("GW %d %d %.7g %.7g %.7g %.7g %.7g %.7g %.7g\n", w.tag, w.segments, w.from.x, w.from.y, w.from.z,
                      w.to.x, w.to.y, w.to.z, radius);
}

// Each RP card after the first reuses the frequency's solution.
std::string frequencyCards(double mhz, const std::vector<PatternGrid>& cuts) {
    std::string cards = "FR 0 1 0 0 " + deckFrequencyText(mhz) + " 0\n";
    // RP XNDA 1000: vertical and horizontal components, power gain.
    for (const PatternGrid& g : cuts)
        cards += printfText("RP 0 %d %d 1000 %.9g %.9g %.9g %.9g\n", g.thetaCount, g.phiCount, g.thetaStart, g.phiStart,
                            g.thetaStep, g.phiStep);
    return cards;
}

std::string metresList(const std::vector<double>& metres) {
    std::string list;
    for (const double m : metres) list += (list.empty() ? "" : ", ") + printfText("%.4f", m);
    return list + " m";
}

// Unequal gaps or directors are read off the GW cards only with a calculator:
// said in words, as a builder lays them out.
std::string layoutComments(const NecModel& model) {
    const BoomLayout layout = layoutOf(model);
    // Loops not laid one after another (several bands on one spider) are told by the model's own comments.
    if (layout.spacings.size() + 1 != layout.perimeters.size()) return {};
    const std::vector<double> directors = directorsOf(layout);
    std::string cards;
    if (!allAlike(layout.spacings))
        cards += commentCards("Spacings from the reflector: " + metresList(layout.spacings));
    if (!allAlike(directors)) cards += commentCards("Director perimeters from the first: " + metresList(directors));
    return cards;
}

// The comments, the wires, the ground, the loads and the feed: all but the
// frequencies and the patterns.
std::string structureCards(const NecModel& model, const std::vector<std::string>& moreComments) {
    std::string deck;
    for (const std::string& line : model.comments) deck += commentCards(line);
    deck += layoutComments(model);
    for (const std::string& line : moreComments) deck += commentCards(line);
    deck += "CE\n";
    for (const Loop& loop : model.loops)
        for (const Wire& w : loop.wires) deck += wireCard(w, model.wireRadiusMetres);
    const bool overGround = model.boomHeightMetres.has_value();
    deck += overGround ? "GE 1\n" : "GE 0\n";
    deck += printfText("LD 5 0 0 0 %.6g\n", rowOf(kConductors, model.conductor).conductivity);
    // The insulation on every segment, added to the conductor's loss; the
    // capacitance left blank is none.
    if (model.insulation)
        deck += printfText("LD 2 0 0 0 0 %.6g\n", seriesInductancePerMetre(model.wireRadiusMetres, *model.insulation));
    for (const FeedSegment& open : model.openFeeds)
        deck += printfText("LD 0 %d %d %d %g 0 0\n", open.tag, open.segment, open.segment, kOpenFeedOhms);
    // Sommerfeld-Norton: accurate for horizontal wires at any practical height.
    if (overGround) {
        const SoilRow& soil = rowOf(kSoils, model.soil);
        deck += printfText("GN 2 0 0 0 %.6g %.6g\n", soil.permittivity, soil.conductivity);
    }
    deck += printfText("EX 0 %d %d 0 1 0\n", model.feed.tag, model.feed.segment);
    return deck;
}

// A horizontal antenna's lowest lobe over ground: sin(elevation) = wavelength / (4 height),
// in whole degrees as the check's elevations go, never the horizon, whose gain is zero.
double firstLobeDegrees(double mhz, double heightMetres) {
    const double sine = std::min(1.0, wavelengthMetres(mhz) / (4 * heightMetres));
    return std::max(1.0, std::round(std::asin(sine) * 180 / std::numbers::pi));
}

}  // namespace

std::string deckFrequencyText(double mhz) { return printfText("%.10g", mhz); }

std::string writeDeck(const NecModel& model, std::span<const FrequencyRequest> frequencies) {
    std::string deck = structureCards(model, {});
    const bool overGround = model.boomHeightMetres.has_value();
    deck += "PT -1 0 0 0\n";  // no current tables: the feed point and patterns are all we read
    for (const FrequencyRequest& f : frequencies) {
        std::vector<PatternGrid> cuts = requestedCuts(overGround, f);
        if (f.refine) cuts.push_back(fineCut(*f.refine));  // read after the others
        deck += frequencyCards(f.mhz, cuts);
    }
    deck += "EN\n";
    return deck;
}

std::string writePortableDeck(const NecModel& model, std::optional<double> figuresElevationDegrees) {
    const SweepPlan direct = directPlan(model.sweep);
    const double locked = direct.locked(), low = direct.mhz.front(), high = direct.top();
    // The direct sweep's step, laid from the locked frequency out to both ends.
    const double step = (high - low) / (kGridPoints - 1);
    const auto stepsTo = [&](double span) { return static_cast<int>(std::ceil(span / step - 1e-6)); };
    const int below = stepsTo(locked - low), count = below + stepsTo(high - locked) + 1;
    const double start = locked - below * step;

    const std::string lockedText = deckFrequencyText(locked);
    double elevation = 0;
    std::string why;
    if (!model.boomHeightMetres) {
        why = "the horizon, as in free space the figures are taken";
    } else if (figuresElevationDegrees) {
        elevation = *figuresElevationDegrees;
        why = "where the check found the most forward gain at " + lockedText + " MHz";
    } else {
        elevation = firstLobeDegrees(locked, *model.boomHeightMetres);
        why =
            "the lowest lobe of a horizontal antenna at this height; the check finds the elevation of most "
            "forward gain itself";
    }
    const std::vector<std::string> about{
        printfText("For NEC-2 programs: %d frequencies from %s MHz in steps of %s MHz; frequency %d is the locked "
                   "frequency, %s MHz.",
                   count, deckFrequencyText(start).c_str(), deckFrequencyText(step).c_str(), below + 1,
                   lockedText.c_str()),
        printfText("At each frequency the horizontal pattern %.6g degrees above the horizon: ", elevation) + why + ".",
        "The check adds the estimated range's edges (" + deckFrequencyText(direct.lowEdge()) + " and " +
            deckFrequencyText(direct.highEdge()) +
            " MHz) as frequencies of their own, fits the feed impedance "
            "over " +
            std::to_string(model.sweep.mhz.size()) +
            " frequencies to a few solves, reads front-to-rear over the working band, and over ground "
            "looks for the elevation of most forward gain at each frequency, to 0.1 degree near the peak."};
    std::string deck = structureCards(model, about);
    deck += printfText("FR 0 %d 0 0 %s %s\n", count, deckFrequencyText(start).c_str(), deckFrequencyText(step).c_str());
    deck += printfText("RP 0 1 %d 1000 %.6g 0 0 %.9g\n", static_cast<int>(360 / kAzimuthStepDegrees), 90 - elevation,
                       kAzimuthStepDegrees);
    deck += "EN\n";
    return deck;
}

}  // namespace loopbeam::nec
