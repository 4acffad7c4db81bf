#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "cli/options.h"
#include "cli/report.h"

namespace loopbeam::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
};

// Runs the installed binary with arguments already quoted for the shell; stderr is dropped.
CliRun runCli(const std::string& arguments) {
    const std::string command = std::string(LOOPBEAM_CLI) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, {}};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

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
        {"--freq=abc --json", 1, {"{\"error\": {\"step\": \"lock\", \"message\": \"\\\"abc\\\" is not a frequency"}},
        {"--freq=-14.2 --json", 1, {"\"Text10\": \"-14.403\"", "\"error\": {\"step\": \"calculate\""}},
        {"--freq=12345678 --json", 0, {"\"Label1\": \"1234567\""}},
        {"--freq 14.2 --metric", 0, {"METER", "62.0401818847657"}},
        {"--freq 14.2 --coax 'RG-11 foam'", 0, {"matching section: 13 Feet"}},
        {"--freq 14.2 --unknown", 2, {}},
        {"--help", 0, {"usage: loopbeam-cli"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.status, c.status);
        for (const char* part : c.contains) EXPECT_NE(run.out.find(part), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace loopbeam::cli
