#include "nec/multiband/band_design.h"

#include <algorithm>

#include "design/calculated_design.h"
#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

// The rule whose spacing and loops each band takes: its director is left off.
constexpr std::int16_t kRuleElements = 3;

Outcome<BandRule> bandRule(const std::string& typed, std::int16_t gauge, DesignState& state,
                           const RefusalWords& words) {
    const auto said = [&](const Refusal& refusal) { return refuse("Band \"" + typed + "\": " + words(refusal)); };
    if (auto locked = lockFrequency(state, typed); !locked) return said(locked.error());
    selectDesignType(state, DesignType::StandardHighGain, kRuleElements);
    if (auto calculated = calculateFeetInches(state, gauge, kRuleElements); !calculated)
        return said(calculated.error());
    const CalculatedDesign design = calculatedDesign(state, DesignType::StandardHighGain, kRuleElements, kRuleElements);
    const EstimatedRange range = estimatedRange(design.freq);
    return BandRule{design.freq, design.refLen, design.drvLen, design.spacing,
                    range.lower, range.upper,   nameOf(design)};
}

}  // namespace

Outcome<MultibandDesign> designBands(const std::vector<std::string>& typed, std::int16_t gauge,
                                     const RefusalWords& words) {
    if (typed.size() < kMinBands || typed.size() > kMaxBands)
        return refuse(
            printfText("A quad for several bands takes %zu to %zu bands, not %zu. Give their centre "
                       "frequencies in MHz, separated by commas.",
                       kMinBands, kMaxBands, typed.size()));
    MultibandDesign design;
    design.gauge = gauge;
    for (const std::string& text : typed) {
        DesignState state;
        auto band = bandRule(text, gauge, state, words);
        if (!band) return Refused{band.error()};
        design.wireDiameterInches = state.wireDia;
        design.bands.push_back(std::move(*band));
    }
    std::sort(design.bands.begin(), design.bands.end(),
              [](const BandRule& a, const BandRule& b) { return a.mhz < b.mhz; });
    for (std::size_t i = 1; i < design.bands.size(); ++i) {
        const double lower = design.bands[i - 1].mhz, upper = design.bands[i].mhz;
        if ((upper - lower) / lower < kMinBandSeparation)
            return refuse(
                printfText("The bands at %g and %g MHz are %.1f%% apart; on one set of spreaders bands "
                           "must be at least %g%% apart. Leave one of them out.",
                           lower, upper, (upper - lower) / lower * 100, kMinBandSeparation * 100));
    }
    return design;
}

std::optional<std::string> decimalCommaIn(std::string_view centres) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isPiece = [](char c) { return c != ',' && c != ' ' && c != '\t'; };
    for (std::size_t comma = centres.find(','); comma != std::string_view::npos; comma = centres.find(',', comma + 1)) {
        if (comma == 0 || comma + 1 == centres.size() || !isDigit(centres[comma - 1]) || !isDigit(centres[comma + 1]))
            continue;
        std::size_t begin = comma, end = comma + 1;
        while (begin > 0 && isPiece(centres[begin - 1])) --begin;
        while (end < centres.size() && isPiece(centres[end])) ++end;
        const std::string_view left = centres.substr(begin, comma - begin);
        const std::string_view right = centres.substr(comma + 1, end - comma - 1);
        if (left.find('.') != std::string_view::npos || right.find('.') != std::string_view::npos) continue;
        const std::string both(centres.substr(begin, end - begin));
        return "\"" + both + "\" could be one frequency with a decimal comma or two bands: write a decimal point (" +
               std::string(left) + "." + std::string(right) + ") for one, or a comma and a space (" +
               std::string(left) + ", " + std::string(right) + ") for two.";
    }
    return std::nullopt;
}

}  // namespace loopbeam::nec
