#include "cli/tune_json.h"

#include "cli/report.h"
#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/tuning/cut_loops.h"
#include "nec/tuning/tuned_lengths.h"

namespace loopbeam::cli {
namespace {

// The band goal's search: its evaluations, what it held, and what it missed.
std::string bandGoalJson(const nec::Tuned& tuned) {
    if (tuned.goal != nec::TuneGoal::Band) return "";
    std::string missed;
    for (const std::string& m : tuned.missed) missed += (missed.empty() ? "" : ", ") + jsonString(m);
    return ", \"band_goal\": {\"evaluations\": " + std::to_string(tuned.evaluations) +
           ", \"feed\": " + jsonString(nec::rowOf(nec::kFeeds, tuned.bandFeed).word) +
           ", \"max_swr\": " + jsonNumber(tuned.maxSwr) + ", \"least_gain_dbi\": " + jsonNumber(tuned.leastGainDbi) +
           ", \"missed\": [" + missed + "]}";
}

}  // namespace

std::string tunedJson(const NecCheckRun& check, const nec::Tuned& tuned, const nec::FeedAdvice& feed) {
    const nec::NecModel& calculated = *check.model;
    const nec::BoomLayout layout = nec::layoutOf(tuned.model);
    std::string perimeters;
    for (const nec::CutLoop& loop : nec::kCutLoops) {
        // "director": the first; "directors" lists them all.
        const std::string_view key = loop.loop > nec::kDrivenLoop ? "director" : loop.word;
        perimeters +=
            (perimeters.empty() ? "" : ", ") + jsonString(key) + ": " + jsonNumber(layout.perimeters[loop.loop]);
    }
    perimeters += ", \"directors\": " + numbersJson(nec::directorsOf(layout));
    std::vector<nec::LengthChange> changes = nec::loopChanges(calculated, tuned.model);
    for (nec::LengthChange& gap : nec::spacingChanges(calculated, tuned.model)) changes.push_back(std::move(gap));
    std::string changed;
    for (const nec::LengthChange& change : changes) {
        if (!change.changed()) continue;
        changed +=
            (changed.empty() ? "" : ", ") +
            ("{\"element\": " + jsonString(change.word) + ", \"calculated_m\": " + jsonNumber(change.calculated) +
             ", \"tuned_m\": " + jsonNumber(change.tuned) +
             ", \"change_percent\": " + jsonNumber((change.tuned - change.calculated) / change.calculated * 100) + "}");
    }
    const auto common = nec::commonSpacing(calculated, tuned.model);
    return "{\"goal\": " + jsonString(nec::rowOf(nec::kTuneGoals, tuned.goal).word) +
           ", \"wire_factor\": " + jsonNumber(tuned.wire.factor) + ", \"perimeter_m\": {" + perimeters +
           "}, \"spacing_m\": " + (common ? jsonNumber(common->tuned) : "null") +
           ", \"spacings_m\": " + numbersJson(layout.spacings) +
           ", \"positions_m\": " + numbersJson(nec::positionsAlong(layout.spacings)) +
           ", \"boom_m\": " + jsonNumber(nec::boomLength(layout.spacings)) + ", \"changed\": [" + changed +
           "], \"feasible\": " + (tuned.feasible ? "true" : "false") + bandGoalJson(tuned) +
           ", \"feed\": " + feedJson(feed) + ", \"nec\": " + necJson(tuned.check, check, feed) + "}";
}

}  // namespace loopbeam::cli
