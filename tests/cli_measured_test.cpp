// --measured: the options, and an analyser's sweep beside the model.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/options.h"
#include "tests/cli_run.h"
#include "tests/scratch_folder.h"

namespace loopbeam::cli {
namespace {

TEST(CommandLine, MeasuredOptionsSayWhatIsMissing) {
    struct Case {
        std::vector<std::string_view> arguments;
        const char* said;
    };
    const Case cases[] = {
        {{"--measured", "a.s1p"}, "add --simulate or --tune"},
        {{"--simulate", "--feedline", "5", "--feedline-cable", "RG-58"}, "add --measured FILE"},
        {{"--simulate", "--through-section"}, "add --measured FILE"},
        {{"--simulate", "--measured", "a.s1p", "--feedline", "5"}, "--feedline needs its cable"},
        {{"--simulate", "--measured", "a.s1p", "--feedline", "5", "--feedline-z0", "50"}, "--feedline needs its cable"},
        {{"--simulate", "--measured", "a.s1p", "--feedline-cable", "RG-58"}, "add --feedline LENGTH_M"},
        {{"--simulate", "--measured", "a.s1p", "--feedline", "5", "--feedline-cable", "RG-58", "--feedline-vf", "0.8"},
         "leave out --feedline-z0 and --feedline-vf"},
        {{"--simulate", "--measured", "a.s1p", "--feedline", "0"}, "--feedline must be the feed line's length"},
        {{"--simulate", "--measured", "a.s1p", "--feedline-vf", "1.2"}, "velocity factor, above 0 to 1, not 1.2"},
        {{"--simulate", "--measured", "a.s1p", "--feedline-loss-db", "-1"}, "0 to 100, not -1"},
        {{"--simulate", "--measured", "a.s1p", "--feedline-cable", "RG-9"}, "or RG-213, not RG-9"},
        {{"--simulate", "--measured="}, "--measured needs a file name"},
        {{"--simulate", "--as-cut", "reflector=22"}, "--as-cut says what was measured: add --measured FILE"},
        {{"--simulate", "--measured", "a.s1p", "--as-cut="}, "--as-cut needs the cut list's CSV"},
    };
    for (const Case& c : cases) {
        std::vector<std::string_view> arguments = {"--freq", "14.2"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(c.said);
        const auto parsed = parseCommandLine(arguments);
        const auto* error = std::get_if<UsageError>(&parsed);
        ASSERT_NE(error, nullptr);
        EXPECT_NE(error->message.find(c.said), std::string::npos) << error->message;
    }
}

double jsonValue(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    double value = -1;
    if (at != std::string::npos) std::sscanf(json.c_str() + at + key.size() + 4, "%lf", &value);
    return value;
}

// The model's own sweep, written as the analyser would, is the model: every loop x 1.
TEST(CommandLineCheck, TheModelsOwnSweepFitsItself) {
    ScratchFolder folder;
    const std::string design = "--freq 14.2 --awg 14 --simulate ";
    const CliRun written = runCli(design + "--touchstone " + folder / "model.s1p");
    ASSERT_EQ(written.status, 0) << written.said;
    const CliRun run = runCli(design + "--json --measured " + folder / "model.s1p");
    ASSERT_EQ(run.status, 0) << run.said;
    const std::size_t at = run.out.find("\"measured\": {\"file\": ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const std::string measured = run.out.substr(at);
    EXPECT_GE(jsonValue(measured, "points"), 401);  // the edges, as written, may round outside
    EXPECT_NEAR(jsonValue(measured, "wire_factor"), 1, 0.001);
    EXPECT_LT(jsonValue(measured, "fit_error"), 0.005);
    EXPECT_NE(measured.find("\"driven_factor\": null"), std::string::npos);
    EXPECT_NE(measured.find("\"fits\": true"), std::string::npos);
    // The same resonance as the model's.
    double resonance = 0;
    ASSERT_EQ(std::sscanf(measured.c_str() + measured.find("\"resonances_mhz\": [") + 19, "%lf", &resonance), 1);
    EXPECT_NEAR(resonance, 14.29, 0.01);

    const CliRun text = runCli(design + "--measured " + folder / "model.s1p");
    EXPECT_NE(text.out.find("Measured: "), std::string::npos);
    EXPECT_NE(text.out.find("The model fits with every loop x 1.000"), std::string::npos) << text.out;
    // The driven loop alone trimmed to X = 0 at 14.2 MHz, the others left as they are.
    EXPECT_NE(text.out.find("Trims for resonance"), std::string::npos) << text.out;
    EXPECT_NE(run.out.find("\"trim\": {\"goal\": \"resonance\", \"loops\": [{\"element\": \"reflector\""),
              std::string::npos);
    EXPECT_NE(text.out.find("director 1  20.620 m (67 ft 7 13/16 in)  20.620 m (67 ft 7 13/16 in)  0 mm (0 in)"),
              std::string::npos);
    EXPECT_NE(text.out.find("predicts X = 0 at 14.200 MHz"), std::string::npos);

    // Another band: refused after the check, naming both spans.
    const CliRun elsewhere = runCli("--freq 7.1 --awg 14 --simulate --measured " + folder / "model.s1p");
    EXPECT_EQ(elsewhere.status, 1);
    EXPECT_NE(elsewhere.said.find("lies inside the design's sweep"), std::string::npos) << elsewhere.said;
    EXPECT_EQ(elsewhere.out.find("Measured: "), std::string::npos);
    // One frequency alone, beside the model's two around it.
    putFile(folder / "one.s1p", "# MHz Z RI R 50\n14.2 1.2 0.1\n");
    const CliRun one = runCli(design + "--measured " + folder / "one.s1p");
    EXPECT_EQ(one.status, 0) << one.said;
    EXPECT_NE(one.out.find("1 point in the model's sweep"), std::string::npos) << one.out;
    // A broken file: refused before the check.
    putFile(folder / "broken.s1p", "# MHz S RI R 50\n14.2 0.1\n");
    const CliRun broken = runCli(design + "--measured " + folder / "broken.s1p");
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.said.find("broken.s1p: line 2: a one-port data line"), std::string::npos) << broken.said;
    EXPECT_EQ(broken.out, "");
}

}  // namespace
}  // namespace loopbeam::cli
