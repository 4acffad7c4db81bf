#include "nec/check/feed_report.h"

#include "nec/check/check_report.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
std::string impedanceText(std::complex<double> z) {
    return printfText("%.2f %s j%.2f ohm", z.real(), z.imag() < 0 ? "-" : "+", std::abs(z.imag()));
}

std::string feedHeading(double lockedMHz) { return printfText("Feed at %g MHz", lockedMHz); }

std::vector<TextRow> feedRows(const std::vector<const FeedAdvice*>& advice) {
    std::vector<TextRow> rows;
    const auto row = [&](std::string label, const auto& text) {
        rows.push_back({std::move(label), {}});
        for (const FeedAdvice* a : advice) rows.back().values.push_back(text(*a));
    };
    row("Feed impedance", [](const FeedAdvice& a) { return impedanceText(a.impedance); });
    for (std::size_t i = 0; i < kFeeds.size(); ++i)
        row("SWR, " + std::string(kFeeds[i].name), [&](const FeedAdvice& a) { return printfText("%.2f", a.swr[i]); });
    row("Ideal quarter wave, sqrt(50 R)",
        [](const FeedAdvice& a) { return printfText("%.1f ohm", a.idealSectionOhms); });
    row("Recommended", [](const FeedAdvice& a) {
        const std::string name(rowOf(kFeeds, a.recommended).name);
        return a.swr[feedIndex(a.recommended)] < 2 ? name : "none below SWR 2 (nearest: " + name + ")";
    });
    row("SWR below 2 with it", [](const FeedAdvice& a) { return spansAround(a.spansBelow2, 2, a.lockedMHz); });
    return rows;
}

std::string recommendationText(const FeedAdvice& advice, double lockedMHz) {
    const std::string name(rowOf(kFeeds, advice.recommended).name);
    const double swr = advice.swr[feedIndex(advice.recommended)];
    const std::string spans = spansAround(advice.spansBelow2, 2, lockedMHz);
    if (!(swr < 2))
        return printfText("No feed gives SWR below 2 at %g MHz: the %s comes nearest, SWR %.2f; below 2 with it: %s.",
                          lockedMHz, name.c_str(), swr, spans.c_str());
    return printfText("Recommended feed: %s, SWR %.2f at %g MHz; below 2 with it: %s.", name.c_str(), swr, lockedMHz,
                      spans.c_str());
}

std::optional<std::string> matchingWindowDiffers(const FeedAdvice& advice, double lockedMHz) {
    if (advice.recommended == FeedKind::QuarterWave75) return std::nullopt;
    return printfText(
        "Unlike the matching window's note (90 to 120 ohms, a 75-ohm quarter wave), this model gives %.1f ohms "
        "at %g MHz: %s suits it better.",
        advice.impedance.real(), lockedMHz, std::string(rowOf(kFeeds, advice.recommended).name).c_str());
}

std::string sectionLead(std::string_view cable, double velocityFactor) {
    return printfText("A quarter-wave section in %s (velocity factor %g), as the matching window cuts it: ",
                      std::string(cable).c_str(), velocityFactor);
}

}  // namespace loopbeam::nec
