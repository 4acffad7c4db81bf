// loopbeam-cli --tune on the real nec2c (the suite CommandLineCheck): the
// tuned design in the JSON, the deck and the Touchstone file alike; a tuning
// that fails midway keeps the calculated check, writes no tuned file and
// leaves nothing behind.

#include <gtest/gtest.h>

#include <complex>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine_fakes.h"
#include "nec/printf_text.h"
#include "tests/cli_run.h"

namespace loopbeam::cli {
namespace {

namespace fs = test::fs;

std::string fileText(const fs::path& path) { return (std::ostringstream() << std::ifstream(path).rdbuf()).str(); }

// The number after the first `key` from `from` on.
double numberAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
    const std::size_t at = text.find(key, from);
    return at == std::string::npos ? NAN : std::stod(text.substr(at + key.size()));
}

// The numbers of the line that begins with `start`.
std::vector<double> lineFrom(const std::string& text, const std::string& start) {
    std::istringstream line(text.substr(text.find("\n" + start) + 1 + start.size()));
    std::string words;
    std::getline(line, words);
    std::istringstream in(words);
    std::vector<double> numbers;
    for (double n; in >> n;) numbers.push_back(n);
    return numbers;
}

TEST(CommandLineCheck, TheTunedDesignGoesIntoTheJsonTheDeckAndTheTouchstoneFile) {
    const test::ScratchDir scratch;
    const fs::path deck = scratch.path / "tuned.nec", s1p = scratch.path / "tuned.s1p";
    const CliRun run = runCli("--freq 14.2 --awg 14 --coax RG-11 --tune resonance --json --nec-deck " + deck.string() +
                              " --touchstone " + s1p.string());
    ASSERT_EQ(run.status, 0) << run.said;
    const std::string& json = run.out;
    EXPECT_EQ(json.find("\"error\""), std::string::npos);
    // The calculated design's feed closes its "nec"; a section's length is the matching window's.
    const std::size_t feed = json.find("\"boom_height_m\": null}, \"feed\": {\"r_ohm\": ");
    ASSERT_NE(feed, std::string::npos) << json;
    EXPECT_NEAR(numberAfter(json, "{\"feed\": \"quarter-wave-75\", \"swr\": ", feed), 1.51, 0.01);
    EXPECT_NEAR(numberAfter(json, "\"length_m\": ", json.find("quarter-wave-75", feed)), 3.48502, 1e-5);
    const std::size_t tuned = json.find("\"tuned\": {\"goal\": \"resonance\", \"wire_factor\": 1, \"perimeter_m\": ");
    ASSERT_NE(tuned, std::string::npos) << json;
    const double driven = numberAfter(json, "\"driven\": ", tuned);
    EXPECT_NEAR(numberAfter(json, "\"reflector\": ", tuned), 73.89706 * 0.3048, 1e-5);  // as calculated
    const std::size_t changed = json.find("\"changed\": [{\"element\": \"driven\", \"calculated_m\": ", tuned);
    ASSERT_NE(changed, std::string::npos) << json;
    EXPECT_EQ(json.find("\"element\": \"re", changed), std::string::npos);  // only the driven loop moved
    EXPECT_EQ(numberAfter(json, "\"tuned_m\": ", changed), driven);
    EXPECT_NE(json.find("\"swr_below_2_mhz\": [", json.find("\"feed\": {", changed)), std::string::npos);
    // Every gap alike: the one spacing, 11.42892 ft, and the loops at 0, 1 and 2 of it.
    const double spacing = numberAfter(json, "\"spacing_m\": ", tuned);
    EXPECT_NEAR(spacing, 11.42892 * 0.3048, 1e-5);
    const std::string gap = nec::shortestText(spacing), twice = nec::shortestText(spacing + spacing);
    EXPECT_NE(
        json.find(", \"directors\": [" + nec::shortestText(numberAfter(json, "\"director\": ", tuned)) +
                      "]}, \"spacing_m\": " + gap + ", \"spacings_m\": [" + gap + ", " + gap +
                      "], \"positions_m\": [0, " + gap + ", " + twice + "], \"boom_m\": " + twice + ", \"changed\": [",
                  tuned),
        std::string::npos)
        << json;

    // The deck: its driven loop's bottom wire runs from -p/8 to p/8 (7 digits).
    const std::string cards = fileText(deck);
    EXPECT_NE(cards.find("CM Tuned with nec2c for resonance: "), std::string::npos) << cards;
    const std::vector<double> bottom = lineFrom(cards, "GW 5 11 ");
    ASSERT_EQ(bottom.size(), 7u) << cards;
    EXPECT_NEAR(bottom[1], -driven / 8, 1e-6);
    // The Touchstone file: X at the locked 14.2 MHz (as a float holds it) within 1 ohm of zero.
    const std::string touchstone = fileText(s1p);
    EXPECT_NE(touchstone.find("! Tuned with nec2c for resonance: "), std::string::npos);
    const std::vector<double> s = lineFrom(touchstone, "14.19999981 ");
    ASSERT_EQ(s.size(), 2u) << touchstone;
    const std::complex<double> s11(s[0], s[1]), z = 50.0 * (1.0 + s11) / (1.0 - s11);
    EXPECT_LE(std::abs(z.imag()), 1.0) << z;
}

TEST(CommandLineCheck, TheTunedDeckAloneOnStandardOutput) {
    const CliRun run = runCli("--freq 14.2 --awg 14 --tune front-to-back --nec-deck -");
    ASSERT_EQ(run.status, 0) << run.said;
    EXPECT_TRUE(run.out.starts_with("CM 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN\n")) << run.out;
    EXPECT_NE(run.out.find("CM Tuned with nec2c for front-to-back: "), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("EN\n"));
}

// The engine fails every single-frequency solve: the search's first.
TEST(CommandLineCheck, ATuningThatFailsKeepsTheCheckAndLeavesNothing) {
    const test::ScratchDir scratch;
    const fs::path bin = scratch.path / "bin", tmp = scratch.path / "tmp", deck = scratch.path / "tuned.nec";
    fs::create_directories(bin), fs::create_directories(tmp);
    test::writeScript(bin / "nec2c",
                      // A tuning's solve: the locked frequency alone (the check solves it among others).
                      "[ \"$(grep -c '^FR' \"$2\")\" = 1 ] && grep -q '^FR 0 1 0 0 14.19999981 0' \"$2\" && "
                      "{ echo solver broke >&2; exit 1; }\n"
                      "export PATH=\"${PATH#*:}\"\nexec nec2c \"$@\"");  // the real one, after this folder
    const std::string environment = "PATH=" + bin.string() + ":$PATH TMPDIR=" + tmp.string();
    const CliRun run =
        runCli("--freq 14.2 --awg 14 --tune front-to-back --json --nec-deck " + deck.string(), environment);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.said.find("loopbeam-cli: Tuning for front-to-back stopped: "), std::string::npos) << run.said;
    EXPECT_NE(run.out.find("\"nec\": {\"points\": "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"error\": {\"step\": \"tune\", \"message\": \"Tuning for front-to-back stopped: "),
              std::string::npos);
    EXPECT_EQ(run.out.find("\"tuned\""), std::string::npos);
    EXPECT_FALSE(fs::exists(deck));
    EXPECT_TRUE(fs::is_empty(tmp));
}

// The real nec2c, its output then changed into what no antenna gives: for
// every deck (the check), or for single-frequency decks alone (a tuning's
// probes, after a sound check). Each is refused, and each tuning stops.
TEST(CommandLineCheck, OutputNoAntennaGivesIsRefusedAndStopsATuning) {
    struct Case {
        const char* name;
        const char* feed;     // awk on the feed impedance line: $7 is R, $8 X
        const char* pattern;  // awk on each pattern line: $5 is the total gain
        const char* says;
    };
    const Case cases[] = {
        {"negative R", "$7 = \"-5.0000E+00\"", "", "gives a feed resistance of -5 ohm"},
        {"R = X = 0", "$7 = $8 = \"0.0000E+00\"", "", "gives a feed resistance of 0 ohm"},
        {"X = 0 everywhere", "$8 = \"0.0000E+00\"", "", "gives the same feed reactance, 0 ohm, in each of "},
        {"R = 1e300", "$7 = \"1.0000E+300\"", "", "gives a feed resistance of 1e+300 ohm"},
        {"gain 1e308", "", "$5 = \"1.00E+308\"", "gives a gain of 1e+308 dBi at theta "},
    };
    const test::ScratchDir scratch;
    const fs::path bin = scratch.path / "bin";
    fs::create_directories(bin);
    for (const Case& c : cases) {
        for (const char* goal : {"", "resonance", "front-to-back"}) {
            SCOPED_TRACE(std::string(c.name) + " " + goal);
            // A tuning's probe: the locked frequency alone (the check solves it among others).
            const std::string tuning =
                *goal ? "[ \"$(grep -c '^FR' \"$2\")\" = 1 ] && grep -q '^FR 0 1 0 0 14.19999981 0' \"$2\" || exit 0\n"
                      : "";
            test::writeScript(bin / "nec2c", "export PATH=\"${PATH#*:}\"\nnec2c \"$@\" || exit\n" + tuning +
                                                 "awk '/ANTENNA INPUT PARAMETERS/ { n = 4 } n && !--n { " + c.feed +
                                                 " } / DEGREES   DEGREES/ { p = 1; print; next } !NF { p = 0 } p { " +
                                                 c.pattern + " } 1' \"$4\" > \"$4.x\" && mv \"$4.x\" \"$4\"");
            const CliRun run = runCli(std::string("--freq 14.2 --awg 14 --simulate") + (*goal ? " --tune " : "") + goal,
                                      "PATH=" + bin.string() + ":$PATH");
            EXPECT_EQ(run.status, 1);
            if (*goal) {
                EXPECT_NE(run.said.find("Tuning for " + std::string(goal) + " stopped: "), std::string::npos);
            }
            EXPECT_NE(run.said.find(c.says), std::string::npos) << run.said;
            EXPECT_NE(run.said.find("NEC-2 cannot solve this model reliably"), std::string::npos) << run.said;
            EXPECT_EQ((run.out + run.said).find("0000000000"), std::string::npos) << run.out;  // no figure in full
        }
    }
}

TEST(CommandLine, AnUnknownTuningGoalOrBandLimitIsAUsageError) {
    const struct {
        const char* arguments;
        const char* says;
    } cases[] = {
        {"--tune sideways", "--tune must be resonance, front-to-back or band, not sideways"},
        {"--tune front-to-back --max-swr 2.5", "--max-swr and --feed hold the band goal's SWR: add --tune band"},
        {"--feed direct-50", "--max-swr and --feed hold the band goal's SWR: add --tune band"},
        {"--tune band --max-swr 1", "--max-swr must be the band's highest SWR, above 1 and at most 100"},
        {"--tune band --max-swr nan", "--max-swr must be the band's highest SWR"},
        {"--tune band --feed sideways", "--feed must be direct-50, quarter-wave-75 or quarter-wave-37.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(std::string("--freq 14.2 ") + c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.said.find(c.says), std::string::npos) << run.said;
    }
}

}  // namespace
}  // namespace loopbeam::cli
