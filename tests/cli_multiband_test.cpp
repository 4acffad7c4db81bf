// loopbeam-cli --bands: the quad for several bands on one spider. Its check
// against a deck written here from the JSON's loops alone (the suite
// CommandLineCheck runs nec2c), and the band lists it refuses.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/engine/engine_run.h"
#include "nec/multiband/spider_tuning.h"
#include "nec/nec2c_printout.h"
#include "nec/printf_text.h"
#include "tests/cli_run.h"
#include "tests/scratch_folder.h"

namespace loopbeam::cli {
namespace {

struct JsonLoop {
    double bandMHz, perimeter, position;
    int segments;
    bool driven;
};

std::vector<JsonLoop> loopsOf(const std::string& json) {
    const std::regex loop(
        R"re(\{"band_mhz": ([^,]+), "element": "(\w+)", "perimeter_m": ([^,]+), "position_m": ([^,]+), )re"
        R"re("segments_per_side": (\d+), "fed": (\w+)\})re");
    std::vector<JsonLoop> loops;
    for (std::sregex_iterator i(json.begin(), json.end(), loop), end; i != end; ++i) {
        const std::smatch& m = *i;
        loops.push_back({std::stod(m[1]), std::stod(m[3]), std::stod(m[4]), std::stoi(m[5]), m[2] == "driven"});
        EXPECT_EQ(m[6] == "true", loops.back().driven);
    }
    return loops;
}

double numberAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
    const std::size_t at = text.find(key, from);
    return at == std::string::npos ? NAN : std::stod(text.substr(at + key.size()));
}

// Square loops across the boom at their positions, fed at the bottom centre
// of the band's driven loop, copper, free space; the other driven loops'
// feeds open (1 Mohm) or closed.
std::string handDeck(const std::vector<JsonLoop>& loops, double radius, double bandMHz,
                     const std::vector<std::string>& mhzTexts, bool open = false) {
    std::string deck = "CM several bands on one spider, written by hand\nCE\n", loads;
    int tag = 0, fedTag = 0, fedSegment = 0;
    char card[200];
    for (const JsonLoop& l : loops) {
        const double h = l.perimeter / 8, x = l.position;
        const double corners[5][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}, {-h, -h}};
        const int centre = (l.segments + 1) / 2;
        if (l.driven && l.bandMHz == bandMHz) fedTag = tag + 1, fedSegment = centre;
        if (l.driven && l.bandMHz != bandMHz && open)
            loads += "LD 0 " + std::to_string(tag + 1) + " " + std::to_string(centre) + " " + std::to_string(centre) +
                     " 1E6 0 0\n";
        for (int side = 0; side < 4; ++side) {
            std::snprintf(card, sizeof card, "GW %d %d %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", ++tag, l.segments, x,
                          corners[side][0], corners[side][1], x, corners[side + 1][0], corners[side + 1][1], radius);
            deck += card;
        }
    }
    std::snprintf(card, sizeof card, "EX 0 %d %d 0 1 0\n", fedTag, fedSegment);
    deck += "GE 0\nLD 5 0 0 0 5.8E7\n" + loads + card;
    for (const std::string& mhz : mhzTexts) deck += "FR 0 1 0 0 " + mhz + " 0\nRP 0 1 1 1000 90 0 0 0\n";
    return deck + "EN\n";
}

TEST(CommandLineCheck, EachBandsFeedAgreesWithADeckWrittenByHandFromTheLoops) {
    for (const std::string unused : {"closed", "open"}) {
        SCOPED_TRACE(unused);
        const CliRun run = runCli("--bands 14.2,18.1,21.2 --awg 14 --simulate --json --unused-feeds " + unused);
        ASSERT_EQ(run.status, 0) << run.said;
        const std::vector<JsonLoop> loops = loopsOf(run.out);
        ASSERT_EQ(loops.size(), 6u);
        const double radius = numberAfter(run.out, "\"wire_radius_m\": ");
        EXPECT_NE(run.out.find("\"unused_feeds\": \"" + unused + "\""), std::string::npos);
        const std::regex bandEntry(R"re(\{"mhz": ([^,]+), "spacing_rule_m")re");
        int bands = 0;
        for (std::sregex_iterator i(run.out.begin(), run.out.end(), bandEntry), end; i != end; ++i, ++bands) {
            const std::string mhzText = (*i)[1];
            SCOPED_TRACE(mhzText);
            const std::size_t point =
                run.out.find("{\"mhz\": " + mhzText + ", \"r_ohm\"", static_cast<std::size_t>(i->position()));
            ASSERT_NE(point, std::string::npos);
            const double r = numberAfter(run.out, "\"r_ohm\": ", point);
            const double x = numberAfter(run.out, "\"x_ohm\": ", point);
            const std::string deck = handDeck(loops, radius, std::stod(mhzText), {mhzText}, unused == "open");
            const auto output = nec::runNec2c({{deck, 1, 60}}, {});
            ASSERT_TRUE(output) << output.error().message;
            const std::vector<nec::Figures> reference = nec::referenceFigures(output->front());
            ASSERT_EQ(reference.size(), 1u);
            EXPECT_NEAR(r, reference[0].r, 0.001 * std::abs(reference[0].r));
            EXPECT_NEAR(x, reference[0].x, 0.001 * std::hypot(reference[0].r, reference[0].x));
            // The band's own worst figures over its own range, and a verdict on them.
            const std::size_t band = run.out.find("\"band\": {\"low_mhz\": ", point);
            const double mhz = std::stod(mhzText), low = numberAfter(run.out, "\"low_mhz\": ", band),
                         high = numberAfter(run.out, "\"high_mhz\": ", band);
            EXPECT_LT(low, mhz);
            EXPECT_GT(high, mhz);
            EXPECT_LT(high - low, 0.05 * mhz);
            EXPECT_LE(numberAfter(run.out, "\"min_gain_dbi\": ", band), numberAfter(run.out, "\"gain_dbi\": ", point));
            EXPECT_GE(numberAfter(run.out, "\"max_swr\": ", band), numberAfter(run.out, "\"swr_section\": ", point));
            EXPECT_NE(run.out.find("\"verdict\": {\"works\": ", band), std::string::npos);
        }
        EXPECT_EQ(bands, 3);
        // Judged over each band's own range, some band resonates inside it: of no range, none would.
        int notResonant = 0;
        for (std::size_t at = 0; (at = run.out.find("not-resonant-in-range", at)) != std::string::npos; ++at)
            ++notResonant;
        EXPECT_LT(notResonant, 3);
    }
}

TEST(CommandLineCheck, AfterResonanceTuningEachDrivenLoopResonatesInADeckWrittenByHand) {
    const CliRun run = runCli("--bands 14.2,21.2 --awg 14 --tune resonance --json");
    ASSERT_EQ(run.status, 0) << run.said;
    const std::size_t tuning = run.out.find("\"tuning\": ");
    ASSERT_NE(tuning, std::string::npos);
    const std::vector<JsonLoop> loops = loopsOf(run.out.substr(tuning));
    ASSERT_EQ(loops.size(), 4u);
    EXPECT_GE(numberAfter(run.out, "\"rounds\": ", tuning), 2);
    const double radius = numberAfter(run.out, "\"wire_radius_m\": ");
    for (const double mhz : {loops[0].bandMHz, loops[2].bandMHz}) {
        SCOPED_TRACE(mhz);
        // X rises through zero within 0.3% either side of the band's centre.
        const std::vector<std::string> edges{std::to_string(mhz * 0.997), std::to_string(mhz * 1.003)};
        const auto output = nec::runNec2c({{handDeck(loops, radius, mhz, edges), 2, 60}}, {});
        ASSERT_TRUE(output) << output.error().message;
        const std::vector<nec::Figures> reference = nec::referenceFigures(output->front());
        ASSERT_EQ(reference.size(), 2u);
        EXPECT_LT(reference[0].x, 0);
        EXPECT_GT(reference[1].x, 0);
    }
}

TEST(CommandLineCheck, FrontToBackTuningRaisesEveryBandsFrontToBack) {
    const CliRun run = runCli("--bands 14.2,21.2 --awg 14 --tune front-to-back --json");
    ASSERT_EQ(run.status, 0) << run.said;
    EXPECT_NE(run.out.find("\"tuning\": {\"goal\": \"front-to-back\""), std::string::npos);
    EXPECT_NE(run.out.find("tuned for front-to-back with nec2c"), std::string::npos);
    // A check's own F/B follows its estimated edges: each band's calculated check, then its tuned one.
    std::size_t at = 0;
    for (int band = 0; band < 2; ++band) {
        SCOPED_TRACE(band);
        at = run.out.find("\"swr_at_estimated_edges\"", at + 1);
        const double calculated = numberAfter(run.out, "\"front_to_back_db\": ", at);
        const std::size_t tuned = run.out.find("\"reflector_change_percent\": ", at);
        EXPECT_NE(numberAfter(run.out, "\"reflector_change_percent\": ", tuned), 0);
        at = run.out.find("\"swr_at_estimated_edges\"", tuned);
        EXPECT_GT(numberAfter(run.out, "\"front_to_back_db\": ", at), calculated + 3);
    }
}

TEST(CommandLineCheck, TheBandGoalMeetsEachBandsConstraintsInADeckWrittenByHand) {
    const CliRun run = runCli("--bands 14.2,21.2 --awg 14 --tune band --json");
    ASSERT_EQ(run.status, 0) << run.said;
    const std::size_t tuning = run.out.find("\"tuning\": {\"goal\": \"band\"");
    ASSERT_NE(tuning, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"feasible\": true", tuning), std::string::npos);
    const std::vector<JsonLoop> loops = loopsOf(run.out.substr(tuning));
    ASSERT_EQ(loops.size(), 4u);
    const double radius = numberAfter(run.out, "\"wire_radius_m\": ");
    std::size_t goal = 0;
    for (const double centre : {loops[0].bandMHz, loops[2].bandMHz}) {
        SCOPED_TRACE(centre);
        const std::string key = "\"band_goal\": {\"feed\": \"";
        goal = run.out.find(key, goal + 1);
        ASSERT_NE(goal, std::string::npos);
        const std::size_t word = goal + key.size();
        const auto* feed = nec::rowOfWord(nec::kFeeds, run.out.substr(word, run.out.find('"', word) - word));
        ASSERT_NE(feed, nullptr);
        const double maxSwr = numberAfter(run.out, "\"max_swr\": ", goal);
        const double leastGain = numberAfter(run.out, "\"least_gain_dbi\": ", goal);
        // The range it was held over: the tuned band's check, just before.
        const std::size_t band = run.out.rfind("\"band\": {\"low_mhz\": ", goal);
        const double low = numberAfter(run.out, "\"low_mhz\": ", band),
                     high = numberAfter(run.out, "\"high_mhz\": ", band);
        const std::vector<double> mhz{low, centre, high};
        std::vector<std::string> texts;
        for (const double f : mhz) texts.push_back(nec::printfText("%.9g", f));
        const auto output = nec::runNec2c({{handDeck(loops, radius, centre, texts), 3, 60}}, {});
        ASSERT_TRUE(output) << output.error().message;
        const std::vector<nec::Figures> reference = nec::referenceFigures(output->front());
        ASSERT_EQ(reference.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(mhz[i]);
            EXPECT_GE(reference[i].gain, leastGain - 0.02);
            EXPECT_LE(nec::swrThrough(*feed, {reference[i].r, reference[i].x}, mhz[i], centre), maxSwr + 0.01);
        }
    }
}

TEST(CommandLineCheck, ABandGoalABandCannotMeetIsNoCutList) {
    const ScratchFolder folder;
    const std::string path = folder / "cut.csv";
    const CliRun run = runCli("--bands 14.2,21.2 --awg 14 --tune band --max-swr 1.05 --json --cut-list-csv " + path);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"feasible\": false"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"missed\": [\"the band's highest SWR through "), std::string::npos);
    EXPECT_NE(run.said.find("constraints (at 14.2 MHz the band's highest SWR"), std::string::npos) << run.said;
    // The report's cut list is the calculated quad's.
    const std::size_t cutList = run.out.find("\"cut_list\": {\"title\": ");
    ASSERT_NE(cutList, std::string::npos);
    EXPECT_NE(run.out.find("\"tuned\": false", cutList), std::string::npos);
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST(CommandLineCheck, EachBandAloneIsTheSpiderTunedWithOnlyItsOwnLoops) {
    const CliRun run = runCli("--bands 14.2,21.2 --awg 14 --tune resonance --interaction --json");
    ASSERT_EQ(run.status, 0) << run.said;
    const auto design = nec::designBands({"14.2", "21.2"}, 14, [](const Refusal&) { return std::string(); });
    ASSERT_TRUE(design);
    const auto spider = nec::buildSpider(*design, {}, nec::UnusedFeeds::Closed);
    ASSERT_TRUE(spider);
    const std::vector<JsonLoop> together = loopsOf(run.out.substr(run.out.find("\"tuning\": ")));
    ASSERT_EQ(together.size(), 4u);
    std::size_t at = 0;
    for (std::size_t band = 0; band < 2; ++band) {
        SCOPED_TRACE(band);
        nec::MultibandDesign one = *design;
        one.bands = {design->bands[band]};
        nec::Spider alone = *spider;
        alone.loops = {spider->loops[2 * band], spider->loops[2 * band + 1]};
        for (nec::SpiderLoop& loop : alone.loops) loop.band = 0;
        const auto tuned = nec::tuneSpider(one, alone, {}, {}, nec::TuneGoal::Resonance);
        ASSERT_TRUE(tuned) << tuned.error().message;
        for (const char* element : {"reflector", "driven"}) {
            SCOPED_TRACE(element);
            const bool driven = element[0] == 'd';
            at = run.out.find(std::string("{\"element\": \"") + element + "\", \"alone_m\": ", at + 1);
            ASSERT_NE(at, std::string::npos) << run.out;
            const double aloneMetres = numberAfter(run.out, "\"alone_m\": ", at);
            const double togetherMetres = numberAfter(run.out, "\"together_m\": ", at);
            EXPECT_NEAR(aloneMetres, tuned->spider.loops[driven].perimeterMetres, 1e-6);
            EXPECT_NEAR(togetherMetres, together[2 * band + driven].perimeter, 1e-6);
            EXPECT_NEAR(numberAfter(run.out, "\"change_in\": ", at), (togetherMetres - aloneMetres) / 0.0254, 1e-4);
        }
    }
}

TEST(CommandLine, TheWholeQuadsCutListGoesToItsFileAndEndsTheReport) {
    const ScratchFolder folder;
    const std::string path = folder / "cut.csv";
    const CliRun run = runCli("--bands 14.2,21.2 --awg 14 --cut-list-csv " + path);
    ASSERT_EQ(run.status, 0) << run.said;
    EXPECT_NE(run.out.find("\nCut list written to " + path + "\nCut list: two-element quad for 14.2 and 21.2 MHz"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(run.out.ends_with("a common feed is not offered.\n")) << run.out;
    const std::string csv = fileText(path);
    const std::size_t header = csv.find("\nband_mhz,element,wire_m,");
    ASSERT_NE(header, std::string::npos) << csv;
    // The same rows as the JSON's list, whose arms reach the loops' corners.
    const CliRun json = runCli("--bands 14.2,21.2 --awg 14 --json");
    std::size_t row = csv.find('\n', header + 1), at = json.out.find("\"cut_list\": ");
    for (int i = 0; i < 4; ++i, row = csv.find('\n', row + 1)) {
        ASSERT_NE(row, std::string::npos);
        at = json.out.find("\"arm_m\": ", at + 1);
        std::vector<std::string> fields;
        for (std::size_t from = row + 1, comma; fields.size() < 9; from = comma + 1)
            fields.push_back(csv.substr(from, (comma = csv.find(',', from)) - from));
        EXPECT_NEAR(std::stod(fields[8]), numberAfter(json.out, "\"arm_m\": ", at), 1e-6);
    }
    EXPECT_EQ(csv.find('\n', row + 1), std::string::npos);
}

TEST(CommandLine, BandListsThatCannotShareASpiderAreRefused) {
    struct Case {
        std::string arguments;
        int status;
        std::string said;
    };
    const Case cases[] = {
        {"--bands 14.2", 1, "takes 2 to 5 bands, not 1"},
        {"--bands=", 1, "takes 2 to 5 bands, not 1"},
        {"--bands 7.1,10.1,14.2,18.1,21.2,28.5", 1, "takes 2 to 5 bands, not 6"},
        {"--bands 21.2,14.2,15.5", 1, "The bands at 14.2 and 15.5 MHz are 9.2% apart"},
        {"--bands 14.2,14.2", 1, "are 0.0% apart"},
        {"--bands 14.2,abc", 1, "Band \"abc\": \"abc\" is not a frequency"},
        {"--bands 14.2,,21.2", 1, "Band \"\": "},
        {"--bands 14.2,0", 1, "Band \"0\": No centre frequency above 0 MHz"},
        {"--bands 14.2,21.2 --freq 14.2", 2, "--bands replaces --freq"},
        {"--bands 14.2,21.2 --elements 4", 2, "--bands replaces --elements"},
        {"--bands 14.2,21.2 --type double", 2, "--bands replaces --type"},
        {"--bands 14.2,21.2 --unused-feeds shorted", 2, "--unused-feeds must be closed or open, not shorted"},
        {"--freq 14.2 --unused-feeds open", 2, "--unused-feeds is for a quad of several bands"},
        {"--bands 14.2,21.2 --band 14:14.3", 2, "--band is one band's range"},
        {"--bands 14.2,21.2 --measured sweep.s1p", 2, "--measured is not offered with --bands yet"},
        {"--bands 14.2,21.2 --interaction", 2, "--interaction compares each band tuned alone"},
        {"--freq 14.2 --tune resonance --interaction", 2, "--interaction is for a quad of several bands"},
        {"--freq 14.2 --cut-list-csv cut.csv", 2, "--cut-list-csv is for a quad of several bands"},
        {"--bands 14.2,21.2 --cut-list-csv -", 2, "--cut-list-csv needs a file name"},
        {"--bands 14.2,21.2 --cut-list-csv /dev/stdout", 2, "standard output and --cut-list-csv would write the same"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.said.find(c.said), std::string::npos) << run.said;
    }
}

}  // namespace
}  // namespace loopbeam::cli
