// Front-to-rear and the band's worst figures: F/R against a deck written by
// hand and its whole azimuth, the band's minimums against direct solves at
// the band's frequencies, the plan that holds the band.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "nec/band/band_evaluation.h"
#include "nec/check/check.h"
#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/engine/engine_run.h"
#include "nec/engine/forward_look.h"
#include "nec/engine/model_job.h"
#include "nec/model/deck_writer.h"
#include "nec2c_printout.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

// 28.5 MHz, 4 elements, AWG 14 (sampleDesigns): half sides 36.61145, 35.26316
// and 34.95201 ft x 0.3048 / 8, spacing 5.69441 ft, 13 segments a side on the
// reflector and 11 on the others, fed at the driven loop's bottom centre;
// the whole horizon every 2 degrees at the locked frequency.
constexpr const char* kFourElementDeck = R"(CM reference: 28.5 MHz 4 element quad, written by hand
CE
GW 1 13 0 -1.39489624 -1.39489624 0 1.39489624 -1.39489624 0.0008128
GW 2 13 0 1.39489624 -1.39489624 0 1.39489624 1.39489624 0.0008128
GW 3 13 0 1.39489624 1.39489624 0 -1.39489624 1.39489624 0.0008128
GW 4 13 0 -1.39489624 1.39489624 0 -1.39489624 -1.39489624 0.0008128
GW 5 11 1.73565617 -1.3435264 -1.3435264 1.73565617 1.3435264 -1.3435264 0.0008128
GW 6 11 1.73565617 1.3435264 -1.3435264 1.73565617 1.3435264 1.3435264 0.0008128
GW 7 11 1.73565617 1.3435264 1.3435264 1.73565617 -1.3435264 1.3435264 0.0008128
GW 8 11 1.73565617 -1.3435264 1.3435264 1.73565617 -1.3435264 -1.3435264 0.0008128
GW 9 11 3.47131234 -1.33167158 -1.33167158 3.47131234 1.33167158 -1.33167158 0.0008128
GW 10 11 3.47131234 1.33167158 -1.33167158 3.47131234 1.33167158 1.33167158 0.0008128
GW 11 11 3.47131234 1.33167158 1.33167158 3.47131234 -1.33167158 1.33167158 0.0008128
GW 12 11 3.47131234 -1.33167158 1.33167158 3.47131234 -1.33167158 -1.33167158 0.0008128
GW 13 11 5.2069685 -1.33167158 -1.33167158 5.2069685 1.33167158 -1.33167158 0.0008128
GW 14 11 5.2069685 1.33167158 -1.33167158 5.2069685 1.33167158 1.33167158 0.0008128
GW 15 11 5.2069685 1.33167158 1.33167158 5.2069685 -1.33167158 1.33167158 0.0008128
GW 16 11 5.2069685 -1.33167158 1.33167158 5.2069685 -1.33167158 -1.33167158 0.0008128
GE 0
LD 5 0 0 0 5.8E7
EX 0 5 6 0 1 0
FR 0 1 0 0 28.5 0
RP 0 1 180 1000 90 0 0 2
EN
)";

QuadDesign fourElements() { return sampleDesigns()[3]; }

TEST(EngineBand, FrontToRearAgreesWithADeckWrittenByHandAndItsWholeHorizon) {
    const auto output = runNec2c({{kFourElementDeck, 1, 60}}, {});
    ASSERT_TRUE(output) << output.error().message;
    const auto gains = horizon(output->front());
    ASSERT_EQ(gains.size(), 180u);
    double forward = NAN, back = NAN, rear = -999;
    for (const auto& [phi, gain] : gains) {
        if (phi == 0) forward = gain;
        if (phi == 180) back = gain;
        if (phi >= 90 && phi <= 270) rear = std::max(rear, gain);
    }
    const double frontToRear = forward - rear, frontToBack = forward - back;
    // A side lobe of the rear half stands above straight behind: F/R tells more than F/B here.
    ASSERT_LT(frontToRear, frontToBack - 0.2);

    auto model = buildModel(fourElements(), {});
    ASSERT_TRUE(model);
    const auto result = runCheck(*model);
    ASSERT_TRUE(result) << result.error().message;
    const FrequencyPoint& locked = result->sweep[model->sweep.lockedIndex];
    EXPECT_NEAR(locked.frontToBackDb, frontToBack, 0.015);
    EXPECT_NEAR(locked.frontToRearDb, frontToRear, 0.015);
    EXPECT_NEAR(result->summary.frontToRearAtLockedDb, frontToRear, 0.015);
    // Solved without the rear half, a point has no F/R to show; with it, F/R never tops F/B.
    for (const FrequencyPoint& p : result->sweep) {
        if (!p.solved || std::isnan(p.frontToRearDb)) continue;
        EXPECT_LE(p.frontToRearDb, p.frontToBackDb) << p.mhz;
    }
}

// Over ground the rear half is asked only on the grid's rows around the
// refined window: F/R at the figures' elevation, read between two rows, is
// that of the whole rear half asked at that very elevation.
TEST(EngineBand, OverGroundFrontToRearIsTheRearHalfAtTheFiguresElevation) {
    CheckOptions options;
    options.boomHeightMetres = 15;
    auto model = buildModel(quad14MHz(), options);
    ASSERT_TRUE(model) << model.error().message;
    const auto result = runCheck(*model);
    ASSERT_TRUE(result) << result.error().message;
    const FrequencyPoint& locked = result->sweep[model->sweep.lockedIndex];
    std::string deck = writeDeck(*model, {});
    deck.erase(deck.find("PT "));
    deck += "FR 0 1 0 0 " + std::to_string(model->sweep.locked()) + " 0\n";
    deck += "RP 0 1 181 1000 " + std::to_string(90 - locked.elevationDegrees) + " 0 0 2\nEN\n";
    const auto output = runNec2c({{deck, 1, 60}}, {});
    ASSERT_TRUE(output) << output.error().message;
    double forward = NAN, rear = -999;
    for (const auto& [phi, gain] : horizon(output->front())) {
        if (phi == 0) forward = gain;
        if (phi >= 90 && phi <= 270) rear = std::max(rear, gain);
    }
    EXPECT_NEAR(locked.forwardGainDbi, forward, 0.01);
    EXPECT_NEAR(locked.frontToRearDb, forward - rear, 0.3);
    EXPECT_LE(locked.frontToRearDb, locked.frontToBackDb);
}

// Each figure's worst, as direct solves of the frequencies give it.
struct Direct {
    BandWorst gain, frontToBack, frontToRear;
};

Direct solveDirectly(const NecModel& model, const std::vector<double>& mhz) {
    std::vector<FrequencyRequest> requests;
    for (double f : mhz) requests.push_back({f, false, true});
    const auto printed = runNec2c({jobFor(model, requests)}, {});
    EXPECT_TRUE(printed);
    const auto read = readJob(printed->front(), model, requests);
    EXPECT_TRUE(read);
    Direct worst;
    for (std::size_t i = 0; i < mhz.size(); ++i) {
        const ForwardLook look = forwardLook((*read)[i]);
        for (auto [figure, value] : {std::pair{&worst.gain, look.forward},
                                     {&worst.frontToBack, look.frontToBackDb()},
                                     {&worst.frontToRear, look.frontToRearDb()}})
            if (std::isnan(figure->value) || value < figure->value) *figure = {value, mhz[i]};
    }
    return worst;
}

TEST(EngineBand, TheBandsWorstIsThatOfDirectSolvesAtItsFrequencies) {
    for (const std::optional<Band> band : {std::optional<Band>(), std::optional(Band{28.0, 29.7})}) {
        SCOPED_TRACE(band ? "28.0 to 29.7 MHz, beyond the sweep" : "the estimated range");
        CheckOptions options;
        options.band = band;
        auto model = buildModel(fourElements(), options);
        ASSERT_TRUE(model) << model.error().message;
        const auto result = runCheck(*model);
        ASSERT_TRUE(result) << result.error().message;
        const BandFigures& figures = result->band;
        const std::vector<double> frequencies = bandFrequencies(model->sweep.band);
        // Any other solve within the band counts too: solve where the check found each worst.
        std::vector<double> asked = frequencies;
        for (const BandWorst* w : {&figures.gainDbi, &figures.frontToBackDb, &figures.frontToRearDb})
            if (std::find(asked.begin(), asked.end(), w->mhz) == asked.end()) asked.push_back(w->mhz);
        const Direct direct = solveDirectly(*model, asked);
        for (auto [found, solved] : {std::pair{figures.gainDbi, direct.gain},
                                     {figures.frontToBackDb, direct.frontToBack},
                                     {figures.frontToRearDb, direct.frontToRear}}) {
            EXPECT_NEAR(found.value, solved.value, 0.005);
            EXPECT_EQ(found.mhz, solved.mhz);
        }

        // The tuner's evaluation: the band's frequencies alone, their SWR through the same feed.
        const FeedRow& feed = rowOf(kFeeds, result->bandFeed);
        const double locked = model->sweep.locked();
        const auto alone = evaluateBand(
            *model, {}, [&](double mhz, std::complex<double> z) { return swrThrough(feed, z, mhz, locked); });
        ASSERT_TRUE(alone) << alone.error().message;
        const Direct atFrequencies = solveDirectly(*model, frequencies);
        EXPECT_NEAR(alone->gainDbi.value, atFrequencies.gain.value, 0.005);
        EXPECT_NEAR(alone->frontToRearDb.value, atFrequencies.frontToRear.value, 0.005);
        EXPECT_GE(figures.swr.value, alone->swr.value - 1e-9);  // the fitted sweep holds those frequencies and more
        EXPECT_LE(figures.gainDbi.value, alone->gainDbi.value);
    }
}

TEST(BandPlan, TheSweepHoldsTheBandsFrequenciesAndWidensToItsEdges) {
    const QuadDesign design = fourElements();
    struct Case {
        const char* name;
        Band band;
        double low, high;  // of the sweep
    };
    const Case cases[] = {
        {"within the locked frequency +-5%", {28.2, 28.8}, 28.5 * 0.95, 28.5 * 1.05},
        {"beyond it on both sides", {26.5, 30.5}, 26.5, 30.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SweepPlan plan =
            planSweep(design.lockedMHz, design.estimatedLowMHz, design.estimatedHighMHz, c.band, 401);
        EXPECT_DOUBLE_EQ(plan.mhz.front(), c.low);
        EXPECT_DOUBLE_EQ(plan.mhz.back(), c.high);
        EXPECT_TRUE(std::is_sorted(plan.mhz.begin(), plan.mhz.end()));
        EXPECT_EQ(std::adjacent_find(plan.mhz.begin(), plan.mhz.end()), plan.mhz.end());
        const std::vector<double> band = bandFrequencies(c.band);
        ASSERT_EQ(band.size(), 11u);
        EXPECT_EQ(band.front(), c.band.lowMHz);
        EXPECT_EQ(band.back(), c.band.highMHz);
        EXPECT_DOUBLE_EQ(band[5], (c.band.lowMHz + c.band.highMHz) / 2);
        for (double f : band) EXPECT_TRUE(std::binary_search(plan.mhz.begin(), plan.mhz.end(), f)) << f;
        EXPECT_EQ(plan.locked(), design.lockedMHz);
        const SweepPlan direct = directPlan(plan);
        for (double f : band) EXPECT_TRUE(std::binary_search(direct.mhz.begin(), direct.mhz.end(), f)) << f;
    }
}

TEST(BandFigures, TheWorstWithinTheBandOnly) {
    const Band band{14.0, 14.35};
    const BandSample samples[] = {
        {13.9, -5, -5, -5, 99},        // outside: never the worst
        {14.0, 8.4, 19.1, 19.1, 1.9},  // the edge counts
        {14.1, NAN, NAN, NAN, 1.6},    // fitted: its SWR alone
        {14.2, 8.3, 14.9, 12.0, INFINITY},
        {14.35, 8.2, 11.3, 11.3, 1.5},
    };
    const BandFigures figures = bandFigures(band, samples);
    EXPECT_EQ(figures.gainDbi.value, 8.2);
    EXPECT_EQ(figures.gainDbi.mhz, 14.35);
    EXPECT_EQ(figures.frontToBackDb.value, 11.3);
    EXPECT_EQ(figures.frontToRearDb.value, 11.3);
    EXPECT_EQ(figures.frontToRearDb.mhz, 14.35);
    EXPECT_EQ(figures.swr.value, INFINITY);  // nothing delivered is the worst SWR there is
    EXPECT_EQ(figures.swr.mhz, 14.2);
    const BandFigures none = bandFigures({15, 16}, samples);
    EXPECT_TRUE(std::isnan(none.gainDbi.value) && std::isnan(none.swr.mhz));
}

}  // namespace
}  // namespace loopbeam::nec
