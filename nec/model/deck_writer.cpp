#include "nec/model/deck_writer.h"

#include <algorithm>

#include "nec/choice_table.h"
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

}  // namespace

std::string deckFrequencyText(double mhz) { return printfText("%.10g", mhz); }

std::string writeDeck(const NecModel& model, std::span<const FrequencyRequest> frequencies) {
    std::string deck;
    for (const std::string& line : model.comments) deck += commentCards(line);
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
    // Sommerfeld-Norton: accurate for horizontal wires at any practical height.
    if (overGround) {
        const SoilRow& soil = rowOf(kSoils, model.soil);
        deck += printfText("GN 2 0 0 0 %.6g %.6g\n", soil.permittivity, soil.conductivity);
    }
    deck += printfText("EX 0 %d %d 0 1 0\n", model.feed.tag, model.feed.segment);
    deck += "PT -1 0 0 0\n";  // no current tables: the feed point and patterns are all we read
    for (const FrequencyRequest& f : frequencies) {
        std::vector<PatternGrid> cuts = patternCuts(overGround, f.wholeAzimuth);
        if (f.refine) cuts.push_back(fineCut(*f.refine));
        deck += frequencyCards(f.mhz, cuts);
    }
    deck += "EN\n";
    return deck;
}

}  // namespace loopbeam::nec
