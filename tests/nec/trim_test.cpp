// What to trim, end to end: nec2c measures, by decks written here, a quad
// built with a difference the program is not told of (the wire a little long
// and a thin covering, an inductance along every loop), through 10 m of
// RG-58; the program fits and trims, and the same decks with the trimmed
// lengths must resonate at the locked frequency.

#include <gtest/gtest.h>

#include <cmath>

#include "../scratch_folder.h"
#include "measured_builds.h"
#include "nec/check/check.h"
#include "nec/check/feed_match.h"
#include "nec/measured/as_cut.h"
#include "nec/measured/measurement_file.h"
#include "nec/measured/measurement_path.h"
#include "nec/measured/model_fit.h"
#include "nec/measured/trim.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

constexpr double kLocked = 14.2;

// X rising through zero, between the sweep's points.
double resonance(const std::vector<Figures>& figures, double fromMHz, double stepMHz) {
    for (std::size_t i = 0; i + 1 < figures.size(); ++i)
        if (figures[i].x <= 0 && figures[i + 1].x > 0)
            return fromMHz + stepMHz * (static_cast<double>(i) - figures[i].x / (figures[i + 1].x - figures[i].x));
    return NAN;
}

// The lone driven loop's resonance, bare as designed over as built: what the build does to a loop.
double loneLoopFactor(double driven, const Build& build) {
    const double from = 13.8, step = 0.05;
    const Build others{build.longer, build.henriesPerMetre, 1};
    const double bare = resonance(solved(deck({driven}, {}, from, step, 40), 40), from, step);
    const double built = resonance(solved(deck({driven}, others, from, step, 40), 40), from, step);
    return bare / built;
}

TEST(EngineTrim, TrimmedLoopsResonateWhereLocked) {
    const auto design = buildModel(quad14MHz(), {});
    ASSERT_TRUE(design) << design.error().message;
    const auto check = runCheck(*design);
    ASSERT_TRUE(check) << check.error().message;
    const std::vector<double> designed = designedLoops();
    struct Case {
        const char* name;
        Build build;
        std::vector<double> asCut;  // empty: cut as designed
    };
    const Case cases[] = {
        {"wire 2.5% long", {1.025, 0, 1}, {}},
        {"wire 1% long, a thin covering", {1.01, 4e-8, 1}, {}},
        {"the driven loop cut 1% short, a thin covering",
         {1.0, 3e-8, 1},
         {designed[0], designed[1] * 0.99, designed[2]}},
        {"wire 1% long, the driven loop joined 3% longer still", {1.01, 0, 1.03}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<double> cut = c.asCut.empty() ? designed : c.asCut;
        const double from = 13.6, step = 0.05;
        ScratchFolder folder;
        putFile(folder / "measured.s1p", throughRg58(solved(deck(cut, c.build, from, step, 27), 27), from, step));
        const auto read = readMeasurementFile(folder / "measured.s1p");
        ASSERT_TRUE(read) << read.error().message;
        const MeasuredSweep atFeed = atFeedPoint(*read, {TransmissionLine{50, 0.66, 10, 0, kLocked}, std::nullopt});

        std::vector<AsCutLength> lengths;
        for (std::size_t i = 0; i < cut.size(); ++i) lengths.push_back({loopWord(i), cut[i]});
        const auto layout = asCutLayout(layoutOf(*design), lengths);
        ASSERT_TRUE(layout) << layout.error().message;
        const auto asCut = relaidModel(*design, *layout);
        ASSERT_TRUE(asCut) << asCut.error().message;
        const auto fit = fitModel(*asCut, atFeed);
        ASSERT_TRUE(fit) << fit.error().message;
        const double truth = loneLoopFactor(designed[1], c.build);
        EXPECT_NEAR(fit->factor / truth, 1, 0.005) << fit->factor << " against " << truth;
        ASSERT_TRUE(fit->fits()) << fit->error;
        // Only where the driven loop was built otherwise has it a factor of its own.
        EXPECT_EQ(fit->drivenFactor.has_value(), c.build.drivenLonger != 1);
        if (fit->drivenFactor) {
            EXPECT_NEAR(*fit->drivenFactor / c.build.drivenLonger, 1, 0.005);
        }

        const auto trim = trimToFit(*asCut, *check, fit->scales(), TuneGoal::Resonance);
        ASSERT_TRUE(trim) << trim.error().message;
        std::vector<double> trimmed;
        for (const TrimLoop& loop : trim->loops) trimmed.push_back(loop.cutToMetres);
        const double near = 14.0, fine = 0.02;
        const double built = resonance(solved(deck(trimmed, c.build, near, fine, 21), 21), near, fine);
        EXPECT_NEAR(built / kLocked, 1, 0.003) << "trimmed resonates at " << built;
    }
}

}  // namespace
}  // namespace loopbeam::nec
