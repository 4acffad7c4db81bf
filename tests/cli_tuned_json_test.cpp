// A tuning that moved the gaps and one director, as the JSON and the text
// report give it: each gap, each director, the boom; no common spacing.

#include <gtest/gtest.h>

#include "cli/report.h"
#include "cli/tune_json.h"
#include "cli/tune_report.h"
#include "nec/tuning/scaled_model.h"
#include "tests/nec/sample_designs.h"

namespace loopbeam::cli {
namespace {

struct Retuned {
    NecCheckRun check;
    TuneRun tune;
    Retuned() {
        check.design = nec::sampleDesigns()[3];  // 28.5 MHz, 4 elements
        check.model = *nec::buildModel(check.design, {});
        check.result = nec::CheckResult{};
        // Gaps a float holds exactly: the loops at 0, 1.5, 3.25 and 5.25 m.
        nec::BoomLayout metres = nec::layoutOf(*check.model);
        metres.spacings = {1.5, 1.75, 2};
        metres.perimeters.back() *= 0.99;
        nec::Tuned tuned;
        tuned.model = *nec::relaidModel(*check.model, metres);
        tune.tuned = std::move(tuned);
    }
};

std::vector<std::string> elementsChanged(const std::string& json) {
    std::vector<std::string> words;
    const std::string key = "{\"element\": \"";
    for (std::size_t at = json.find(key); at != std::string::npos; at = json.find(key, at + 1)) {
        const std::size_t from = at + key.size();
        words.push_back(json.substr(from, json.find('"', from) - from));
    }
    return words;
}

TEST(TunedJson, UnequalGapsAreListedEachAndTheCommonSpacingIsNull) {
    const Retuned r;
    const std::string json = tunedJson(r.check, *r.tune.tuned, {});
    EXPECT_NE(json.find("\"spacing_m\": null, \"spacings_m\": [1.5, 1.75, 2], \"positions_m\": [0, 1.5, 3.25, 5.25], "
                        "\"boom_m\": 5.25, \"changed\": ["),
              std::string::npos)
        << json;
    const std::vector<double> p = nec::layoutOf(r.tune.tuned->model).perimeters;
    ASSERT_EQ(p.size(), 4u);
    EXPECT_NE(json.find("\"director\": " + jsonNumber(p[2]) + ", \"directors\": [" + jsonNumber(p[2]) + ", " +
                        jsonNumber(p[3]) + "]}"),
              std::string::npos)
        << json;
    // The directors differ now: each is its own; the reflector and the driven loop stayed.
    EXPECT_EQ(elementsChanged(json),
              (std::vector<std::string>{"director 2", "spacing reflector-driven", "spacing driven-director 1",
                                        "spacing director 1-director 2"}));
}

TEST(TunedJson, TheTextReportGivesEachGapAndTheBoom) {
    const Retuned r;
    const std::string text = tuneReport(r.tune, r.check, Options{}, "");
    // 3 x 5.69441 ft = 5.207 m of boom, now 5.25 m; the first gap 1.736 m, now 1.5 m.
    for (const char* line : {"\nDirector 1 ", "\nDirector 2 ", "\nSpacing reflector-driven ",
                             "\nSpacing director 1-director 2 ", "\nBoom length "}) {
        SCOPED_TRACE(line);
        EXPECT_NE(text.find(line), std::string::npos) << text;
    }
    const auto lineOf = [&](const char* start) {
        const std::size_t at = text.find(start) + 1;
        return text.substr(at, text.find('\n', at) - at);
    };
    EXPECT_TRUE(lineOf("\nBoom length ").ends_with("5.207 m   17 ft 2 11/16 in  5.250 m   +1.69 in  +0.83%")) << text;
    EXPECT_TRUE(lineOf("\nDirector 1 ").ends_with("unchanged")) << text;
    EXPECT_EQ(text.find("\nElement spacing "), std::string::npos) << text;
}

}  // namespace
}  // namespace loopbeam::cli
