#include "cli/tune_json.h"

#include "cli/report.h"
#include "nec/choice_table.h"
#include "nec/cut/cut_loops.h"

namespace loopbeam::cli {
std::string tunedJson(const NecCheckRun& check, const nec::Tuned& tuned, const nec::FeedAdvice& feed) {
    std::string perimeters, changed;
    for (const nec::CutLoop& loop : nec::kCutLoops) {
        const double calculated = check.model->loops[loop.loop].perimeterMetres;
        const double cut = tuned.model.loops[loop.loop].perimeterMetres;
        // "director": one length for them all.
        const std::string_view key = loop.loop > nec::kDrivenLoop ? "director" : loop.word;
        perimeters += (perimeters.empty() ? "" : ", ") + jsonString(key) + ": " + jsonNumber(cut);
        if (tuned.scales.*loop.scale == 1) continue;
        changed += (changed.empty() ? "" : ", ") +
                   ("{\"element\": " + jsonString(loop.word) + ", \"calculated_m\": " + jsonNumber(calculated) +
                    ", \"tuned_m\": " + jsonNumber(cut) +
                    ", \"change_percent\": " + jsonNumber((cut - calculated) / calculated * 100) + "}");
    }
    const double spacing = check.design.spacingFeet * nec::kMetresPerFoot;
    return "{\"goal\": " + jsonString(nec::rowOf(nec::kTuneGoals, tuned.goal).word) +
           ", \"wire_factor\": " + jsonNumber(tuned.wire.factor) + ", \"perimeter_m\": {" + perimeters +
           "}, \"spacing_m\": " + jsonNumber(spacing) + ", \"changed\": [" + changed +
           "], \"feed\": " + feedJson(feed) + ", \"nec\": " + necJson(tuned.check, check, feed) + "}";
}

}  // namespace loopbeam::cli
