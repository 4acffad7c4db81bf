#include "nec/tuning/comparison.h"

#include <algorithm>

#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"
#include "nec/tuning/tuned_lengths.h"

namespace loopbeam::nec {

std::string tunedHeading(TuneGoal goal) { return "Tuned for " + std::string(rowOf(kTuneGoals, goal).word); }

std::vector<TextRow> sideBySide(const std::vector<SummaryLine>& calculated, const std::vector<SummaryLine>& tuned) {
    std::vector<TextRow> rows;
    for (std::size_t i = 0; i < std::max(calculated.size(), tuned.size()); ++i) {
        const SummaryLine none;
        const SummaryLine& a = i < calculated.size() ? calculated[i] : none;
        const SummaryLine& b = i < tuned.size() ? tuned[i] : none;
        TextRow row{a.label.size() >= b.label.size() ? a.label : b.label, {a.value}};
        if (!tuned.empty()) row.values.push_back(b.value);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string wireFactorValue(const NecModel& model, const Tuned* tuned) {
    if (!model.insulation) return "1 (bare wire)";
    return tuned ? printfText("%.5f", tuned->wire.factor) : "not found yet (Tune finds it)";
}

std::string wireFactorText(const NecModel& model, const Tuned* tuned) {
    std::string text = "Wire factor: " + wireFactorValue(model, tuned);
    if (model.insulation && tuned)
        text += printfText(
            ", every loop times it (a lone loop of the driven element's length resonates at %.3f MHz insulated, %.3f "
            "MHz bare)",
            tuned->wire.insulatedMHz, tuned->wire.bareMHz);
    return text;
}

std::optional<TextRow> boomRow(const NecModel& calculated, const NecModel& tuned) {
    const LengthChange boom = boomChange(calculated, tuned);
    if (!boom.changed()) return std::nullopt;
    const double change = boom.tuned - boom.calculated;
    return TextRow{boom.caption,
                   {printfText("%.3f m", boom.calculated),
                    printfText("%.3f m (%+.3f m, %+.2f%%)", boom.tuned, change, change / boom.calculated * 100)}};
}

std::vector<TextRow> comparisonRows(const QuadDesign& design, const NecModel& calculated, const CheckResult& check,
                                    const FeedAdvice& feed, const Tuned* tuned, const FeedAdvice* tunedFeed) {
    std::vector<TextRow> rows =
        sideBySide(summaryLines(check, design, feed),
                   tuned && tunedFeed ? summaryLines(tuned->check, design, *tunedFeed) : std::vector<SummaryLine>{});
    if (tuned)
        if (auto boom = boomRow(calculated, tuned->model)) rows.push_back(std::move(*boom));
    rows.push_back({feedHeading(design.lockedMHz), {}});
    TextRow wire{"Wire factor", {wireFactorValue(calculated, nullptr)}};
    std::vector<const FeedAdvice*> feeds{&feed};
    if (tuned && tunedFeed) {
        wire.values.push_back(wireFactorValue(calculated, tuned));
        feeds.push_back(tunedFeed);
    }
    rows.push_back(std::move(wire));
    for (TextRow& row : feedRows(feeds)) rows.push_back(std::move(row));
    TextRow unlike{"Against the matching window", {}};
    for (const FeedAdvice* advice : feeds)
        unlike.values.push_back(matchingWindowDiffers(*advice, design.lockedMHz).value_or("as it says"));
    if (std::any_of(feeds.begin(), feeds.end(),
                    [&](const FeedAdvice* a) { return matchingWindowDiffers(*a, design.lockedMHz).has_value(); }))
        rows.push_back(std::move(unlike));
    return rows;
}

}  // namespace loopbeam::nec
