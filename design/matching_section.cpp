#include "design/matching_section.h"

#include "common/numeric.h"
#include "common/text_forms.h"
#include "design/cables.h"
#include "design/unit_headings.h"
#include "design/units.h"

namespace loopbeam {
namespace {

constexpr float kHalfWaveFeetMHz = 492.0f;
constexpr float kHalves = 2.0f;

std::optional<Refused<Refusal>> guard(const DesignState& state) {
    if (!(state.freq > 0)) return refuse({Problem::NoFrequency});
    if (state.velFactor == 0) return refuse({Problem::NoCable});  // every listed factor is non-zero
    return std::nullopt;
}

// A quarter wavelength inside the cable, in feet, left to right in 64 bits.
std::optional<float> sectionLength(const DesignState& state) {
    return storable(kHalfWaveFeetMHz / static_cast<double>(state.freq) * state.velFactor / kHalves);
}

}  // namespace

void chooseCable(DesignState& state, std::int16_t selectedIndex) {
    state.coaxIndex = static_cast<float>(selectedIndex);
    for (std::size_t i = 0; i < kCables.size(); ++i)
        if (state.coaxIndex == static_cast<float>(i)) state.velFactor = kCables[i].velFactor;
}

std::optional<CableType> chosenCable(const DesignState& state) {
    if (state.velFactor == 0) return std::nullopt;
    for (std::size_t i = 0; i < kCables.size(); ++i)
        if (state.coaxIndex == static_cast<float>(i)) return kCables[i];
    return CableType{"the cable last chosen", state.velFactor};
}

Outcome<MatchingTexts> matchFeetInches(DesignState& state) {
    if (auto refusal = guard(state)) return *refusal;
    return matchFeetInchesArithmetic(state);
}

Outcome<MatchingTexts> matchMetric(DesignState& state) {
    if (auto refusal = guard(state)) return *refusal;
    return matchMetricArithmetic(state);
}

Outcome<MatchingTexts> matchFeetInchesArithmetic(DesignState& state) {
    const auto length = sectionLength(state);
    if (!length) return refuse({Problem::LengthOutOfRange, "matching section length", state.freq});
    const float whole = wholePart(*length);
    const auto inches = storable((static_cast<double>(*length) - whole) * kInchesPerFoot);
    if (!inches) return refuse({Problem::LengthOutOfRange, "matching section length", state.freq});

    state.matchLen = *length;
    state.matchFeet = whole;
    state.matchInches = *inches;
    MatchingTexts texts;
    texts.add(MatchingBox::Text3, singleText(state.matchFeet));
    texts.add(MatchingBox::Text4, singleText(state.matchInches));
    texts.add(MatchingBox::Text6, kMatchFeetHeading.text);
    texts.add(MatchingBox::Text7, kMatchInchesHeading.text);
    return texts;
}

Outcome<MatchingTexts> matchMetricArithmetic(DesignState& state) {
    const auto length = sectionLength(state);
    if (!length) return refuse({Problem::LengthOutOfRange, "matching section length", state.freq});

    state.matchLen = *length;
    const double m = metresOf(state.matchLen);
    const double whole = wholePart(m);
    MatchingTexts texts;
    texts.add(MatchingBox::Text6, kMatchMetresHeading.text);
    texts.add(MatchingBox::Text7, kMatchCentimetresHeading.text);
    texts.add(MatchingBox::Text3, doubleText(whole));
    texts.add(MatchingBox::Text4, doubleText((m - whole) * kCmPerMetre));
    return texts;
}

}  // namespace loopbeam
