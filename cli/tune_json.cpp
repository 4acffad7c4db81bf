#include "cli/tune_json.h"

#include "cli/report.h"
#include "nec/choice_table.h"
#include "nec/cut/cut_loops.h"

namespace loopbeam::cli {
namespace {

// An object with one more member, last.
std::string withMember(const std::string& object, std::string_view key, const std::string& value) {
    return object.substr(0, object.rfind('}')) + ", " + jsonString(key) + ": " + value + "}";
}

std::string feedJson(const nec::FeedAdvice& advice) {
    std::string options;
    for (std::size_t i = 0; i < nec::kFeeds.size(); ++i) {
        const bool section = nec::kFeeds[i].cables > 0;
        options +=
            (options.empty() ? "" : ", ") +
            ("{\"feed\": " + jsonString(nec::kFeeds[i].word) + ", \"swr\": " + jsonNumber(advice.swr[i]) +
             ", \"length_m\": " + (section && advice.sectionMetres ? jsonNumber(*advice.sectionMetres) : "null") + "}");
    }
    const auto& span = advice.swrBelow2;
    return "{\"r_ohm\": " + jsonNumber(advice.impedance.real()) +
           ", \"x_ohm\": " + jsonNumber(advice.impedance.imag()) +
           ", \"ideal_section_ohm\": " + jsonNumber(advice.idealSectionOhms) + ", \"options\": [" + options +
           "], \"recommended\": " + jsonString(nec::rowOf(nec::kFeeds, advice.recommended).word) +
           ", \"swr_below_2_mhz\": " +
           (span ? "[" + jsonNumber(span->lowMHz) + ", " + jsonNumber(span->highMHz) + "]" : "null") + "}";
}

}  // namespace

std::string calculatedNecJson(const NecCheckRun& check, const TuneRun& tune) {
    return withMember(necJson(*check.result, check), "feed", feedJson(tune.calculatedFeed));
}

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
           "], \"feed\": " + feedJson(feed) + ", \"nec\": " + necJson(tuned.check, check) + "}";
}

}  // namespace loopbeam::cli
