// loopbeam-cli under a decimal-comma locale writes what it writes under C,
// byte for byte; a file's name with a newline in it stays on one line of the
// report.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/cli_run.h"
#include "tests/decimal_comma.h"
#include "tests/scratch_folder.h"

namespace loopbeam::cli {
namespace {

struct Outputs {
    CliRun run;
    std::map<std::string, std::string> files;
};

Outputs runUnder(const char* locale, const std::string& arguments, const ScratchFolder& folder,
                 const std::vector<std::string>& files) {
    Outputs outputs{runCli(arguments, std::string("LOCPATH=") + LOOPBEAM_LOCALES + " LC_ALL=" + locale), {}};
    for (const std::string& name : files) {
        outputs.files[name] = fileText(folder / name);
        std::remove((folder / name).c_str());
    }
    return outputs;
}

TEST(DecimalCommaCommandLine, EveryOutputIsTheSameByteForByte) {
    ASSERT_TRUE(testing::ProcessLocale(testing::kDecimalCommaLocale).set());
    const ScratchFolder folder;
    const struct {
        const char* name;
        std::string arguments;
        std::vector<std::string> files;
    } cases[] = {
        {"the design in feet and inches with a cable", "--freq 14.2 --awg 14 --coax RG-11", {}},
        {"the design in metres, as JSON", "--freq=432.1 --elements 4 --type double --metric --json", {}},
        {"the deck of insulated wire over ground",
         "--freq 14.2 --awg 14 --ground 12.5 --insulation 0.5 --insulation-material pvc --nec-deck -",
         {}},
        {"the check and its files, tuned",
         "--freq 14.2 --awg 14 --coax RG-11 --tune resonance --nec-deck " + (folder / "tuned.nec") + " --touchstone " +
             (folder / "tuned.s1p"),
         {"tuned.nec", "tuned.s1p"}},
        {"the check as JSON", "--freq 7.1 --elements 5 --awg 12 --simulate --diamond --json", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outputs plain = runUnder(testing::kPlainLocale, c.arguments, folder, c.files);
        const Outputs comma = runUnder(testing::kDecimalCommaLocale, c.arguments, folder, c.files);
        ASSERT_EQ(plain.run.status, 0) << plain.run.said;
        EXPECT_EQ(comma.run.status, plain.run.status);
        EXPECT_EQ(comma.run.out, plain.run.out);
        EXPECT_EQ(comma.run.said, plain.run.said);
        EXPECT_EQ(comma.files, plain.files);
        for (const auto& [name, text] : plain.files) EXPECT_FALSE(text.empty()) << name;
    }
}

TEST(CommandLine, AFileNameWithAControlCharacterStaysOnOneLine) {
    const ScratchFolder folder;
    const std::string name = folder / "two\nlines\t.nec";
    const CliRun written = runCli("--freq 14.2 --nec-deck $'" + name.substr(0, name.find('\n')) + "\\nlines\\t.nec'");
    ASSERT_EQ(written.status, 0) << written.said;
    const std::string shown = "NEC-2 deck written to \"" + folder.path + "/two\\nlines\\t.nec\"\n";
    EXPECT_NE(written.out.find(shown), std::string::npos) << written.out;
    EXPECT_FALSE(fileText(name).empty());

    const CliRun refused = runCli("--freq 14.2 --nec-deck $'" + folder.path + "/none/a\\nb.nec'");
    EXPECT_EQ(refused.status, 3);  // the output could not be written
    EXPECT_EQ(std::count(refused.said.begin(), refused.said.end(), '\n'), 1) << refused.said;
    EXPECT_NE(refused.said.find("/none/a\\nb.nec\": "), std::string::npos) << refused.said;
}

}  // namespace
}  // namespace loopbeam::cli
