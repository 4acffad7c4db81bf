#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/options.h"
#include "cli/report.h"
#include "tests/cli_run.h"
#include "tests/scratch_folder.h"

namespace loopbeam::cli {
namespace {

TEST(CommandLine, UsageErrors) {
    const std::vector<std::vector<std::string_view>> cases = {
        {},
        {"--elements", "4"},
        {"--freq", "14.2", "--bogus"},
        {"--freq", "14.2", "--elements", "2"},
        {"--freq", "14.2", "--elements", "51"},
        {"--freq", "14.2", "--awg", "21"},
        {"--freq", "14.2", "--awg", "ten"},
        {"--freq", "14.2", "--type", "quad"},
        {"--freq", "14.2", "--coax", "RG-99"},
        {"--freq", "14.2", "--coax", "7"},
        {"--freq", "-14.2"},
        {"--freq", "14.2", "--json=yes"},
        {"--freq", "14.2", "--diamond"},  // shapes a check that is not asked for
        {"--freq", "14.2", "--ground", "-5", "--simulate"},
        {"--freq", "14.2", "--ground", "301", "--simulate"},  // higher, the model would refuse after the report
        {"--freq", "14.2", "--touchstone", "-"},
        {"--freq", "14.2", "--nec-deck", "-", "--json"},
        {"--freq", "14.2", "--allow-large", "--nec-deck", "a.nec"},     // runs no check
        {"--freq", "14.2", "--nec-deck", "a.nec", "--nec-deck=b.nec"},  // each value once, whatever its form
        {"--freq", "14.2", "--freq", "7.1"},
        {"--freq", "14.2", "--sweep-points", "2002", "--simulate"},
        {"--freq", "14.2", "--sweep-points", "401"},                       // shapes a check that is not asked for
        {"--freq", "14.2", "--nec-deck", "q.nec", "--solve-every-point"},  // the deck's sweep is always direct
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.empty() ? "no arguments" : std::string(args.back()));
        EXPECT_TRUE(std::holds_alternative<UsageError>(parseCommandLine(args)));
    }
}

TEST(CommandLine, ValuesInBothForms) {
    const auto parsed = parseCommandLine({"--freq=-14.2", "--elements", "50", "--awg=20", "--type", "double", "--coax",
                                          "RG-59 or 59a", "--metric", "--json"});
    const Options* options = std::get_if<Options>(&parsed);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->freq, "-14.2");
    EXPECT_EQ(options->elements, 50);
    EXPECT_EQ(options->awg, 20);
    EXPECT_EQ(options->type, DesignType::DoubleReflector);
    EXPECT_EQ(options->coaxIndex, 4);
    EXPECT_TRUE(options->metric && options->json);
    const auto sweep = parseCommandLine(
        {"--freq=14.2", "--touchstone", "q.s1p", "--sweep-points=2001", "--solve-every-point", "--allow-large"});
    EXPECT_EQ(std::get<Options>(sweep).sweep.points, 2001);
    EXPECT_TRUE(std::get<Options>(sweep).sweep.solveEveryPoint);
    const auto byIndex = parseCommandLine({"--freq=", "--coax", "6"});
    EXPECT_EQ(std::get<Options>(byIndex).coaxIndex, 6);
    EXPECT_EQ(std::get<Options>(byIndex).freq, "");
}

TEST(CommandLine, JsonStringsAreEscapedAndValidUtf8) {
    EXPECT_EQ(jsonString("14.2"), "\"14.2\"");
    EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(jsonString("\t\x01"), "\"\\u0009\\u0001\"");
    EXPECT_EQ(jsonString("é"), "\"é\"");
    EXPECT_EQ(jsonString("\xff"
                         "1"),
              "\"\\ufffd1\"");
    EXPECT_EQ(jsonString("\xc3"), "\"\\ufffd\"");
}

TEST(CommandLine, ExitStatusAndJson) {
    struct Case {
        const char* arguments;
        int status;
        std::vector<const char*> contains;
    };
    const Case cases[] = {
        {"--freq 14.2 --elements 3 --awg 14 --type standard --coax RG-11 --json",
         0,
         {"\"lock\": {\"Label1\": \"14.2\", \"Text9\": \"13.9969\", \"Text10\": \"14.4030\", \"freqtxt\": \"14.2\"}",
          "\"Text22\": \"9.295807\"", "\"Text20\": \"METER\"", "\"Text21\": \"62.0401818847657\"",
          "\"matching\": {\"feet\": {\"Text3\": \"11\", \"Text4\": \"5.205643\", \"Text6\": \"Feet\", \"Text7\": "
          "\"Inches\"}, \"metric\": {\"Text3\": \"3\", \"Text4\": \"48.5023324584961\""}},
        // Each length a number: in metres as the metric boxes have it (20 m 62.0401818847657 cm), in feet as stored.
        {"--freq 14.2 --awg 14 --json",
         0,
         {"\"lengths\": {\"directors\": {\"m\": 20.620401818847657, \"ft\": 67.65224}, \"driven\": {",
          "\"spreader_hole_spacing\": {\"m\": 7.628046020507813, \"ft\": 25.026398}}}\n"}},
        {"--freq=abc --json", 1, {"{\"error\": {\"step\": \"lock\", \"message\": \"\\\"abc\\\" is not a frequency"}},
        {"--freq=-14.2 --json", 1, {"\"Text10\": \"-14.403\"", "\"error\": {\"step\": \"calculate\""}},
        {"--freq=12345678 --json", 0, {"\"Label1\": \"1234567\""}},
        {"--freq 14.2 --metric", 0, {"METER", "62.0401818847657"}},
        {"--freq 14.2 --coax 'RG-11 foam'", 0, {"matching section: 13 Feet"}},
        {"--freq 14.2 --unknown", 2, {}},
        {"--help", 0, {"usage: loopbeam-cli", "\n  --version "}},
        {"--freq 14.2 --version", 0, {"loopbeam-cli " LOOPBEAM_VERSION "\n"}},
        // The boom's height as given, a file named as written once it is.
        {"--freq 7.1 --ground 5.676 --nec-deck /dev/null",
         0,
         {"\nNEC-2 model: average ground, boom 5.676 m high, ", "\nNEC-2 deck written to /dev/null\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.status, c.status);
        for (const char* part : c.contains) EXPECT_NE(run.out.find(part), std::string::npos) << run.out;
    }
}

// What the user is told on the command line, word for word, and the status.
TEST(CommandLine, RefusalsSayWhatIsWrong) {
    struct Case {
        const char* arguments;
        int status;
        const char* said;
    };
    const Case cases[] = {
        {"--freq=1.8E308", 1,
         "The frequency 1.8E308 MHz is too large to work with. Give a centre frequency below 3.402823E+38 MHz, for "
         "example --freq 14.2."},
        {"--freq=1E39", 1,
         "The frequency 1E39 MHz is too large to work with. Give a centre frequency below 3.402823E+38 MHz, for "
         "example "
         "--freq 14.2."},
        {"--freq=-1E39", 1,
         "The frequency -1E39 MHz is out of range: frequencies from -3.402823E+38 to 3.402823E+38 MHz are locked, zero "
         "and negative ones as typed. Give the centre frequency in MHz, for example --freq 14.2."},
        {"--freq=1E-50", 1,
         "The frequency 1E-50 MHz is too small to lock: it would be stored as 0 MHz. Give the centre frequency in MHz, "
         "for example --freq 14.2."},
        {"--freq=14.2MHz", 1,
         "\"14.2MHz\" is not a frequency. Give the centre frequency in MHz as a plain number, for example --freq 14.2 "
         "(no units, no commas)."},
        {"--freq=", 1, "The frequency is empty. Give the centre frequency in MHz, for example --freq 14.2."},
        {"--freq=0", 1,
         "No centre frequency above 0 MHz is locked. Give a centre frequency above 0 MHz, for example --freq 14.2."},
        {"--freq=1E-37", 1,
         "At 1E-37 MHz the director loop length is too large to work out. Give a centre frequency further from 0 MHz "
         "with --freq."},
        {"--freq=$'14\\xff'", 2,
         "--freq holds bytes that are not UTF-8 text; type the frequency in MHz, for example --freq 14.2"},
        {"--freq=14.2 >/dev/full", 3, "cannot write to standard output: No space left on device"},
        {"--freq=14.2 --nec-deck /dev/full", 3, "cannot write /dev/full: No space left on device"},
        // The height it asks for is enough: 5.6756 m, not 5.675.
        {"--freq=7.1 --ground 5.675 --nec-deck /dev/null", 1,
         "Over ground the loops must clear the ground by at least 0.0444 m, and at a boom height of 5.675 m their "
         "lowest wire is at 0.04404 m. Raise the boom to at least 5.676 m."},
        {"--freq=14.2 --touchstone=/nonexistent/quad.s1p", 3,
         "cannot write /nonexistent/quad.s1p: No such file or directory"},
        {"--freq=14.2 --ground= --simulate", 2,
         "--ground must be the boom's height in metres above 0 and at most 300, not an empty value"},
        {"--freq=14.2 --awg=", 2, "--awg must be a whole number from 10 to 20, not an empty value"},
        {"--freq=14.2 --sweep-points=40 --simulate", 2,
         "--sweep-points must be a whole number from 41 to 2001, not 40"},
        {"--freq=14.2 --sweep-points 402 --solve-every-point --simulate", 2,
         "--solve-every-point with more than 401 points runs nec2c at every one of them: add --allow-large to run it"},
        {"--freq=14.2 --band 14.35:14 --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not 14.35:14"},
        {"--freq=14.2 --band 14:14 --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not 14:14"},
        {"--freq=14.2 --band 14,0:14,35 --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not 14,0:14,35"},
        {"--freq=14.2 --band 14MHz:14.35 --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not 14MHz:14.35"},
        {"--freq=14.2 --band 14-14.35 --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not 14-14.35"},
        {"--freq=14.2 --band -14:14.35 --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not -14:14.35"},
        {"--freq=14.2 --band=: --simulate", 2,
         "--band must be LOW:HIGH, the band's edges in MHz, numbers above 0 with LOW below HIGH, not :"},
        {"--freq=14.2 --band 14:14.35", 2,
         "--sweep-points, --solve-every-point and --band shape the NEC-2 check's sweep: add --simulate, --touchstone "
         "or --tune"},
        {"--freq=14.2 --band 14:17.1 --simulate", 1,
         "The band must lie within 20% of the locked frequency, 11.36 to 17.04 MHz: the design is checked around the "
         "frequency it was calculated for."},
        {"--freq=14.2 --elements 40 --simulate", 1,
         "The check of this design has 1768 segments: about 5 s and 52 MB for each frequency nec2c solves, of at "
         "most 80. Add "
         "--allow-large to run it."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.said.substr(0, run.said.find('\n')), std::string("loopbeam-cli: ") + c.said);
    }
}

TEST(CommandLine, TheWireAndSoilOptionsSayWhatTheyAccept) {
    struct Case {
        const char* arguments;
        const char* said;
    };
    const Case cases[] = {
        {"--insulation 7 --permittivity 3 --simulate",
         "--insulation must be the insulation's thickness in millimetres, above 0 and at most 5, not 7"},
        {"--insulation 0.5 --permittivity 0.9 --simulate",
         "--permittivity must be the insulation's relative permittivity, above 1 and at most 10, not 0.9"},
        {"--insulation 0.5 --permittivity 3 --insulation-material pvc --simulate",
         "--insulation needs exactly one of --permittivity ER or --insulation-material pvc|polyethylene|ptfe"},
        {"--soil rocky --simulate", "--soil lies under the boom: add its height with --ground HEIGHT_M"},
        {"--soil= --ground 9 --simulate",
         "--soil must be salt-water, fresh-water, pastoral, average, rocky, sandy, city or very-dry, not an empty "
         "value"},
        {"--conductor aluminium",
         "--insulation, --conductor and --soil shape the NEC-2 check: add --simulate, --touchstone or --nec-deck"},
        {"--conductor aluminum --conductor copper --simulate", "--conductor is given twice"},
        {"--allow-large",
         "--allow-large lets the NEC-2 check of a large design run: add --simulate, --touchstone or --tune"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(std::string("--freq 14.2 ") + c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.said, std::string("loopbeam-cli: ") + c.said + "\nTry loopbeam-cli --help for the options.\n");
        EXPECT_EQ(run.out, "");
    }
}

// Without an engine the check would refuse with status 1: a 2 or a 3 comes before it.
TEST(CommandLine, OutputsAreCheckedBeforeTheCheck) {
    const ScratchFolder folder;
    ASSERT_EQ(mkdir((folder / "sub").c_str(), 0755), 0);
    putFile(folder / "old.s1p", "old");
    ASSERT_EQ(symlink("old.s1p", (folder / "link").c_str()), 0);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    const std::string d = folder.path + "/", twice = "would write the same file";
    const std::string mixed = twice + ", and the second would follow the first in it";
    struct Case {
        std::string arguments;
        int status;
        std::string said;
    };
    const Case cases[] = {
        {"--nec-deck " + d + "a --touchstone " + d + "sub/../a", 2, "--nec-deck and --touchstone " + twice},
        {"--nec-deck " + d + "link --touchstone " + d + "old.s1p", 2, "--nec-deck and --touchstone " + twice},
        {"--touchstone " + d + "link >" + d + "old.s1p", 2, "standard output and --touchstone " + twice},
        {"--nec-deck /dev/null --touchstone /dev/stdout >/dev/null", 1, "The NEC-2 engine \"nec2c\" was not found"},
        // Standard output is a pipe here: two outputs into it would run together.
        {"--nec-deck - --touchstone /dev/stdout", 2, "standard output and --touchstone " + mixed},
        {"--nec-deck /dev/stdout", 2, "standard output and --nec-deck " + mixed},
        {"--nec-deck " + d + "fifo --touchstone " + d + "fifo", 2, "--nec-deck and --touchstone " + mixed},
        {"--touchstone /nonexistent/quad.s1p", 3, "cannot write /nonexistent/quad.s1p: No such file or directory"},
        {"--nec-deck " + d + "sub --simulate", 3, "cannot write " + d + "sub: Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli("--freq 14.2 " + c.arguments, "PATH=/nonexistent");
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.said.starts_with("loopbeam-cli: " + c.said)) << run.said;
        EXPECT_EQ(folder.names(), (std::set<std::string>{"fifo", "link", "old.s1p", "sub"}));
    }
}

TEST(CommandLine, FailingStandardOutputStillWritesTheFiles) {
    const ScratchFolder folder;
    const CliRun run = runCli("--freq 14.2 --simulate --nec-deck " + (folder / "q.nec") + " --touchstone " +
                              (folder / "q.s1p") + " >/dev/full");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.said, "loopbeam-cli: cannot write to standard output: No space left on device\n");
    EXPECT_TRUE(fileText(folder / "q.nec").ends_with("\nEN\n"));
    EXPECT_NE(fileText(folder / "q.s1p").find("\n# MHz S RI R 50\n"), std::string::npos);
}

// Files first: the report names those written, and not one that failed.
TEST(CommandLineCheck, TheReportNamesOnlyTheFilesWritten) {
    const ScratchFolder folder;
    const std::string s1p = folder / "q.s1p";
    const CliRun run = runCli("--freq 14.2 --touchstone " + s1p + " --nec-deck /dev/full");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.said, "loopbeam-cli: cannot write /dev/full: No space left on device\n");
    EXPECT_NE(run.out.find("\nTouchstone file written to " + s1p + "\nChecked with nec2c:\n"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("/dev/full"), std::string::npos);
}

TEST(CommandLine, TheCheckWithoutItsEngineSaysHowToGetIt) {
    const CliRun run = runCli("--freq 14.2 --simulate", "PATH=/nonexistent");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.said.find("apt install nec2c"), std::string::npos) << run.said;
}

TEST(CommandLine, TheDeckAloneOnStandardOutput) {
    const CliRun run = runCli("--freq 14.2 --awg 14 --nec-deck - --ground 15");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("CM 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN\n")) << run.out;
    std::size_t wires = 0;
    for (std::size_t at = run.out.find("\nGW "); at != std::string::npos; at = run.out.find("\nGW ", at + 1)) ++wires;
    EXPECT_EQ(wires, 12u);  // three square loops, a wire a side
    EXPECT_TRUE(run.out.ends_with("EN\n"));
    std::istringstream cards(run.out);
    for (std::string card; std::getline(cards, card);) EXPECT_LE(card.size(), 80u) << card;
    EXPECT_NE(run.out.find("boom 15 m high"), std::string::npos);  // a long comment goes on to the next card
}

// A Touchstone 1.1 reader written from the format's own rules: "!" starts a
// comment, the option line "# <unit> S <format> R <ohms>" comes before the
// data, and each data line of a one-port file is a frequency and S11.
struct OnePort {
    std::string unit, format;
    double ohms = 0;
    std::vector<std::array<double, 3>> points;
};

OnePort readTouchstone(const std::string& path) {
    OnePort file;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('!'));
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        if (first == "#") {
            std::string s, r;
            words >> file.unit >> s >> file.format >> r >> file.ohms;
            continue;
        }
        std::array<double, 3> point{std::stod(first)};
        words >> point[1] >> point[2];
        file.points.push_back(point);
    }
    return file;
}

TEST(CommandLineCheck, TheJsonAndTheTouchstoneAgree) {
    const std::string s1p = ::testing::TempDir() + "quad.s1p";
    const CliRun run = runCli("--freq 14.2 --awg 14 --simulate --json --touchstone " + s1p);
    ASSERT_EQ(run.status, 0) << run.said;
    const OnePort file = readTouchstone(s1p);
    EXPECT_EQ(file.unit, "MHz");
    EXPECT_EQ(file.format, "RI");
    EXPECT_EQ(file.ohms, 50);
    // Each point's S11 is the feed impedance the JSON gives, against 50 ohms.
    std::size_t at = run.out.find("\"nec\": {\"points\": [");
    ASSERT_NE(at, std::string::npos) << run.out;
    std::size_t compared = 0;
    for (const auto& [mhz, re, im] : file.points) {
        at = run.out.find("{\"mhz\": ", at) + 8;
        double jsonMhz = 0, r = 0, x = 0;
        ASSERT_EQ(std::sscanf(run.out.c_str() + at, "%lf, \"r_ohm\": %lf, \"x_ohm\": %lf", &jsonMhz, &r, &x), 3);
        const std::complex<double> s11(re, im), z = 50.0 * (1.0 + s11) / (1.0 - s11);
        EXPECT_NEAR(mhz, jsonMhz, 1e-6);
        EXPECT_NEAR(z.real(), r, 0.01 + 1e-4 * std::abs(r));
        EXPECT_NEAR(z.imag(), x, 0.01 + 1e-4 * std::abs(x));
        ++compared;
    }
    EXPECT_GE(compared, 403u);  // 401 over the locked frequency +-5%, both estimated edges and the band's
    // Gain and F/B at the solved frequencies alone: a few, the locked one among them.
    std::size_t solved = 0, fitted = 0;
    for (at = run.out.find("\"solved\": true"); at != std::string::npos; at = run.out.find("\"solved\": true", at + 1))
        ++solved;
    const std::string none =
        "\"gain_dbi\": null, \"front_to_back_db\": null, \"fr_db\": null, \"elevation_deg\": null, \"solved\": "
        "false}";
    for (at = run.out.find(none); at != std::string::npos; at = run.out.find(none, at + 1)) ++fitted;
    EXPECT_EQ(solved + fitted, compared);
    EXPECT_GE(solved, 6u);
    EXPECT_LE(solved, 40u);
    // The locked frequency's, as nec2c gives them (Engine.TheCheckAgreesWithADeckWrittenByHand).
    EXPECT_NE(run.out.find("\"gain_dbi\": 8.3, \"front_to_back_db\": 14.93, \"fr_db\": 14.93, \"elevation_deg\": 0, "
                           "\"solved\": true}"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"pattern\": [{\"azimuth_deg\": 0"), std::string::npos);
    EXPECT_NE(run.out.find("], \"notes\": [], \"model\": "), std::string::npos);
    EXPECT_NE(run.out.find("\"model\": {\"shape\": \"square\", \"insulation_mm\": null, \"permittivity\": null, "
                           "\"conductor\": \"copper\", \"soil\": null, \"boom_height_m\": null}, "),
              std::string::npos);
    // The summary's facts beside the keys that were there before: one resonance, neither minimum at an edge.
    for (const char* key :
         {"\"resonance_mhz\": 14.29", "\"resonances_mhz\": [14.29", "\"min_swr_mhz\": ", "\"min_swr_direct_mhz\": ",
          "\"at_sweep_edge\": {\"min_swr\": false, \"min_swr_direct\": false}"})
        EXPECT_NE(run.out.find(key), std::string::npos) << key;
}

// An engine whose resistances scatter by up to 0.5% from one frequency to the
// next (the real nec2c, its output then changed): no fit of low order
// follows them, and the check falls back to the direct sweep.
TEST(CommandLineCheck, AFitThatDoesNotSettleFallsBackToTheDirectSweepAndSaysSo) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder / "bin");
    std::ofstream(folder / "bin/nec2c")
        << "#!/bin/sh\nexport PATH=\"${PATH#*:}\"\nnec2c \"$@\" || exit\n"
           "awk '/ANTENNA INPUT PARAMETERS/ { n = 4 } n && !--n { $7 = sprintf(\"%.4E\", $7 * (1 + 0.005 * sin($7 * "
           "7919))) } 1' \"$4\" > \"$4.x\" && mv \"$4.x\" \"$4\"\n";
    std::filesystem::permissions(folder / "bin/nec2c", std::filesystem::perms::owner_all);
    const CliRun run = runCli("--freq 14.2 --awg 14 --simulate --touchstone " + (folder / "q.s1p"),
                              "PATH=" + (folder / "bin") + ":$PATH");
    ASSERT_EQ(run.status, 0) << run.said;
    unsigned points = 0, fitSolves = 0, solves = 0;
    const std::size_t at = run.out.find("\nSweep ");
    ASSERT_NE(at, std::string::npos) << run.out;
    ASSERT_EQ(std::sscanf(run.out.c_str() + at,
                          "\nSweep %u frequencies, each solved by nec2c: a fit of %u solves did not settle within "
                          "0.1%% (%u solves in all)",
                          &points, &fitSolves, &solves),
              3)
        << run.out.substr(at);
    EXPECT_GE(points, 43u);  // 41 and the estimated edges
    EXPECT_EQ(fitSolves, 40u);
    // The fit solves the direct sweep's frequencies wherever they serve: a fallback reuses many.
    EXPECT_LE(solves, 40u + points - 16);
    // Every frequency solved: in the table as in the Touchstone file.
    const std::size_t table = run.out.find("       MHz |");
    ASSERT_NE(table, std::string::npos);
    EXPECT_EQ(std::count(run.out.begin() + static_cast<std::ptrdiff_t>(table), run.out.end(), '\n'), points + 1);
    EXPECT_EQ(readTouchstone(folder / "q.s1p").points.size(), points);
}

TEST(CommandLineCheck, TheWireAndSoilGoIntoTheJsonAndTheTouchstoneHeader) {
    const std::string s1p = ::testing::TempDir() + "insulated.s1p";
    const CliRun run = runCli(
        "--freq 14.2 --awg 14 --type double --simulate --json --insulation 0.5 --permittivity 2.8 --conductor "
        "aluminium "
        "--ground 12 --soil sandy --diamond --touchstone " +
        s1p);
    ASSERT_EQ(run.status, 0) << run.said;
    EXPECT_NE(run.out.find("\"model\": {\"shape\": \"diamond\", \"insulation_mm\": 0.5, \"permittivity\": 2.8, "
                           "\"conductor\": \"aluminium\", \"soil\": \"sandy\", \"boom_height_m\": 12}, "),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"notes\": [\"DOUBLE REFLECTOR: one reflector is sized, and one is modelled.\"]"),
              std::string::npos);
    // Over ground each point's gain is taken above the horizon.
    const std::size_t elevation = run.out.find("\"elevation_deg\": ", run.out.find("\"points\": ["));
    ASSERT_NE(elevation, std::string::npos);
    EXPECT_GT(std::stod(run.out.substr(elevation + 17)), 0);
    std::ifstream in(s1p);
    std::string header;
    for (std::string line; std::getline(in, line) && line.starts_with("!");) header += line + "\n";
    for (const char* part : {"! loopbeam NEC-2 check: diamond loops, boom 12 m high over sandy ground\n",
                             "! Wire: aluminium, 1.626 mm across, 3.5e+07 S/m (LD 5), with 0.5 mm insulation of "
                             "permittivity 2.8 as ",
                             "! Ground: sandy ground, permittivity 10, 0.002 S/m, Sommerfeld-Norton (GN 2)\n"})
        EXPECT_NE(header.find(part), std::string::npos) << header;
}

}  // namespace
}  // namespace loopbeam::cli
