// The summary from captured sweeps (loopbeam-cli --simulate with nec2c 1.3,
// saved as the check window saves its CSV): every resonance, the lowest SWR
// both ways and whether it lies at the sweep's edge, against values worked by
// hand from the captured table.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "design/frequency_lock.h"
#include "nec/check/check_report.h"
#include "nec/check/check_summary.h"
#include "nec/check/feed_advice.h"

namespace loopbeam::nec {
namespace {

std::vector<FrequencyPoint> capturedSweep(const std::string& name) {
    std::ifstream in(NEC_TEST_DATA "/" + name);
    std::vector<FrequencyPoint> sweep;
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        FrequencyPoint p;
        double r = 0, x = 0;
        char comma = 0;
        fields >> p.mhz >> comma >> r >> comma >> x >> comma >> p.swrThroughSection >> comma >> p.swrDirect;
        p.feedImpedance = {r, x};
        sweep.push_back(p);
    }
    return sweep;
}

TEST(Summary, EveryResonanceAndTheLowestSwrOfACapturedSweep) {
    struct Case {
        const char* file;
        float lockedMHz;                 // as the frequency lock stores it
        std::vector<double> resonances;  // nearest the locked frequency first
        LowestSwr section, direct;
        const char* resonanceLine;
        const char* sectionLine;
    };
    const Case cases[] = {
        // X changes sign three times: -3.33 to 5.31 at 143.1185 to 143.4790, 12.16 to -2.48 at 144.5605
        // to 144.9210, -10.25 to 6.16 at 145.6420 to 146.0025.
        {"quad_144mhz_6el_awg14.csv",
         144.2f,
         {144.860, 143.257, 145.867},
         {144.921, 1.542, false},
         {143.479, 1.281, false},
         "144.860, 143.257 and 145.867 MHz",
         "1.54 at 144.921 MHz"},
        // 1.400 at the last point but one, 1.486 at the last: either may lie lower beyond.
        {"quad_1296mhz_5el_awg10.csv",
         1296.0f,
         {1312.754},  // -0.85633 to 2.7466 at 1312.2 to 1314.5328
         {1357.56, 1.400, true},
         {1360.8, 1.486, true},
         "1312.754 MHz",
         "1.40 at 1357.560 MHz, at the edge of the sweep; it may lie beyond"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const EstimatedRange range = estimatedRange(c.lockedMHz);
        CheckResult result;
        result.sweep = capturedSweep(c.file);
        // Captured before the band's frequencies joined the plan: the grid, the locked frequency and the edges.
        SweepPlan plan;
        for (const FrequencyPoint& p : result.sweep) plan.mhz.push_back(p.mhz);
        const auto at = [&](double mhz) {
            const auto found =
                std::find_if(plan.mhz.begin(), plan.mhz.end(), [&](double f) { return std::abs(f - mhz) < 1e-6; });
            return static_cast<std::size_t>(found - plan.mhz.begin());
        };
        plan.lockedIndex = at(c.lockedMHz);
        plan.lowEdgeIndex = at(range.lower);
        plan.highEdgeIndex = at(range.upper);
        ASSERT_LT(std::max({plan.lockedIndex, plan.lowEdgeIndex, plan.highEdgeIndex}), plan.mhz.size());
        result.summary = summarise(result.sweep, plan);
        const CheckSummary& s = result.summary;

        ASSERT_EQ(s.resonancesMHz.size(), c.resonances.size());
        for (std::size_t i = 0; i < c.resonances.size(); ++i) EXPECT_NEAR(s.resonancesMHz[i], c.resonances[i], 0.001);
        for (const auto& [found, worked] :
             {std::pair{s.lowestThroughSection, c.section}, std::pair{s.lowestDirect, c.direct}}) {
            EXPECT_NEAR(found.mhz, worked.mhz, 0.001);
            EXPECT_NEAR(found.swr, worked.swr, 0.001);
            EXPECT_EQ(found.atSweepEdge, worked.atSweepEdge);
        }

        QuadDesign design;
        design.lockedMHz = c.lockedMHz;
        const auto lines = summaryLines(result, design, adviseFeed(result, c.lockedMHz, std::nullopt));
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[0].label, "Verdict");
        EXPECT_EQ(lines[1].label, c.resonances.size() > 1 ? "Resonances (X = 0), nearest first" : "Resonance (X = 0)");
        EXPECT_EQ(lines[1].value, c.resonanceLine);
        EXPECT_EQ(lines[2].value, c.sectionLine);
        EXPECT_EQ(lines[3].label, "Lowest SWR fed directly");
    }
}

// The words follow the figures: which SWR a span is below, one degree, and
// the elevation of each point over ground only.
TEST(Summary, TheWordsFollowTheFigures) {
    FrequencyPoint point;
    point.mhz = 14.2;
    point.feedImpedance = {75, -10};
    point.elevationDegrees = 1;
    CheckResult result;
    result.sweep = {point};
    result.summary.elevationDegrees = 1;
    QuadDesign design;
    design.lockedMHz = 14.2;
    const auto lines = summaryLines(result, design, adviseFeed(result, 14.2, std::nullopt));
    ASSERT_EQ(lines.size(), 17u);  // the verdict first, the last says how the sweep was found
    EXPECT_EQ(lines[4].label, "SWR below 1.5 through the 75-ohm section");
    EXPECT_EQ(lines[5].label, "SWR below 2 through the 75-ohm section");
    EXPECT_EQ(lines[15].value, "1 degree");
    const std::string row = "   14.2000 |    75.00 |   -10.00 |       0.000 |      0.000 |     0.00 |    0.0 |    0.0";
    EXPECT_TRUE(sweepTable(result, false).ends_with("| F/R dB\n" + row + "\n"));
    EXPECT_TRUE(sweepTable(result, true).ends_with("| F/R dB | Elevation deg\n" + row + " |           1.0\n"));
}

// Spans told against the locked frequency: the one around it first, or none there and where they are.
TEST(Summary, SpansAreToldAgainstTheLockedFrequency) {
    const Span low{13.67, 14.174}, around{14.1, 14.3}, high{14.5, 14.6, false, true};
    const struct {
        std::vector<Span> spans;
        const char* said;
    } cases[] = {
        {{}, "none in the sweep"},
        {{low}, "none at 14.2 MHz: below 2 from 13.670 to 14.174 MHz"},
        {{low, high}, "none at 14.2 MHz: below 2 from 13.670 to 14.174 MHz and from 14.500 to 14.600 (sweep end) MHz"},
        {{around, high}, "14.100 to 14.300 MHz, around 14.2 MHz; also from 14.500 to 14.600 (sweep end) MHz"},
    };
    for (const auto& c : cases) EXPECT_EQ(spansAround(c.spans, 2, 14.2), c.said);
}

}  // namespace
}  // namespace loopbeam::nec
