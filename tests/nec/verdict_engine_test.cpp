// The verdict on small designs checked by the real nec2c: the calculated
// 14.2 MHz quad works; the same lengths cut from PVC-covered wire resonate
// too low to feed; reflector and director swapped, it fires backwards; the
// broken 2 m design (polyethylene over ground) fails three ways.

#include <gtest/gtest.h>

#include "nec/check/check.h"
#include "nec/check/reference_dipole.h"
#include "nec/check/verdict.h"
#include "nec/choice_table.h"
#include "nec/tuning/tune.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

std::vector<std::string_view> wordsOf(const std::vector<Finding>& findings) {
    std::vector<std::string_view> words;
    for (const Finding f : findings) words.push_back(rowOf(kFindings, f).word);
    return words;
}

TEST(EngineVerdict, WorksOrSaysWhy) {
    QuadDesign swapped = quad14MHz();
    std::swap(swapped.feet.perimeters.front(), swapped.feet.perimeters.back());  // reflector and the one director
    const QuadDesign twoMetres = sampleDesigns()[2];
    const struct {
        const char* what;
        QuadDesign design;
        CheckOptions options;
        std::vector<std::string_view> problems, warnings;
        const char* opening;
    } cases[] = {
        {"14.2 MHz as calculated", quad14MHz(), {}, {}, {}, "Works: "},
        {"14.2 MHz in 0.5 mm PVC",
         quad14MHz(),
         {.insulation = insulationOf(0.5, Dielectric::Pvc)},
         {"no-feed-below-2"},
         {"swr-above-2-in-range"},
         "Does not work: "},
        // The driven loop is as calculated: the feed and its resonance hold.
        {"14.2 MHz, reflector and director swapped",
         swapped,
         {},
         {"fires-backwards", "weak-gain"},
         {},
         "Does not work: it fires backwards"},
        {"144.2 MHz in 1 mm polyethylene, 10 m over average ground",
         twoMetres,
         {.boomHeightMetres = 10, .insulation = insulationOf(1, Dielectric::Polyethylene)},
         {"fires-backwards", "no-feed-below-2", "weak-gain"},
         {"not-resonant-in-range", "swr-above-2-in-range"},
         "Does not work: it fires backwards"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto model = buildModel(c.design, c.options);
        ASSERT_TRUE(model) << model.error().message;
        const auto check = runCheck(*model);
        ASSERT_TRUE(check) << check.error().message;
        const Verdict verdict = judge(*check, adviseFeed(*check, c.design.lockedMHz, std::nullopt), c.design);
        EXPECT_EQ(wordsOf(verdict.problems), c.problems) << verdict.line;
        EXPECT_EQ(wordsOf(verdict.warnings), c.warnings) << verdict.line;
        EXPECT_EQ(verdict.works, c.problems.empty());
        EXPECT_EQ(verdict.line.rfind(c.opening, 0), 0u) << verdict.line;
        // Each problem the tuning can mend names its goal.
        for (const Finding f : verdict.problems) {
            if (rowOf(kFindings, f).mend.empty()) continue;
            EXPECT_NE(verdict.line.find("tune for " + std::string(rowOf(kFindings, f).mend)), std::string::npos);
        }
        // Over ground the yardstick is a dipole solved there, well above free space's.
        EXPECT_GT(check->dipoleGainDbi, kFreeSpaceDipoleDbi + (c.options.boomHeightMetres ? 3 : -0.01));
    }
}

TEST(Verdict, EveryMendIsATuningGoal) {
    for (const FindingRow& row : kFindings) {
        if (row.mend.empty()) continue;
        EXPECT_NE(rowOfWord(kTuneGoals, row.mend), nullptr) << row.word;
    }
}

// A warning names the tuning for resonance only where the design is not resonant at the locked frequency.
TEST(Verdict, ResonanceIsNamedOnlyWhereItWouldChangeSomething) {
    const struct {
        double resonance;
        bool named;
    } cases[] = {{14.2, false}, {14.21, false}, {14.1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.resonance);
        CheckResult check;
        check.summary.resonancesMHz = {c.resonance};
        check.summary.gainAtLockedDbi = 8;
        check.summary.frontToBackAtLockedDb = 20;
        check.dipoleGainDbi = kFreeSpaceDipoleDbi;
        FeedAdvice feed;
        feed.swr = {1.3, 1.6, 2.5};
        feed.spansBelow2 = {Span{14.1, 14.35}};  // short of the estimated range at both ends
        const Verdict verdict = judge(check, feed, quad14MHz());
        EXPECT_TRUE(verdict.works);
        EXPECT_EQ(wordsOf(verdict.warnings), std::vector<std::string_view>{"swr-above-2-in-range"});
        EXPECT_EQ(verdict.line.find("tune for resonance") != std::string::npos, c.named) << verdict.line;
    }
}

}  // namespace
}  // namespace loopbeam::nec
