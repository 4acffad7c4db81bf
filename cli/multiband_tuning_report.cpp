#include "cli/multiband_tuning_report.h"

#include <cmath>

#include "cli/report.h"
#include "nec/check/feed_match.h"
#include "nec/check/feed_report.h"
#include "nec/choice_table.h"
#include "nec/model/nec_model.h"
#include "nec/printf_text.h"
#include "nec/text_table.h"

namespace loopbeam::cli {
namespace {

constexpr const char* kElementWords[] = {"reflector", "driven"};

double changeInches(const nec::LoopInteraction& loop) {
    return (loop.togetherMetres - loop.aloneMetres) / nec::kMetresPerInch;
}

double changePercent(const nec::LoopInteraction& loop) {
    return (loop.togetherMetres - loop.aloneMetres) / loop.aloneMetres * 100;
}

std::string feedJson(std::complex<double> z) {
    return "{\"r_ohm\": " + jsonNumber(z.real()) + ", \"x_ohm\": " + jsonNumber(z.imag()) + "}";
}

}  // namespace

std::string bandGoalText(const nec::MultibandDesign& design, const nec::SpiderTuned& tuned) {
    if (tuned.goal != nec::TuneGoal::Band) return "";
    std::string out = nec::printfText(
        "From front-to-back's %d rounds, %d evaluations of a band with COBYLA; each band's lowest F/R over its "
        "own range, its SWR and gain held:\n",
        tuned.startRounds, tuned.evaluations);
    for (std::size_t band = 0; band < tuned.bandGoal.size(); ++band) {
        const nec::SpiderBandGoal& goal = tuned.bandGoal[band];
        out += nec::printfText(
            "  %g MHz over %.3f to %.3f MHz: lowest F/R %.2f dB; highest SWR %.2f through %s "
            "(at most %g held); lowest gain %.2f dBi (at least %.2f held)%s\n",
            design.bands[band].mhz, goal.figures.band.lowMHz, goal.figures.band.highMHz,
            goal.figures.frontToRearDb.value, goal.figures.swr.value,
            std::string(nec::rowOf(nec::kFeeds, goal.limits.feed).name).c_str(), goal.limits.maxSwr,
            goal.figures.gainDbi.value, goal.limits.leastGainDbi,
            goal.missed.empty() ? "" : ": MISSED, not lengths to cut");
    }
    return out;
}

std::string bandGoalJson(const nec::SpiderTuned& tuned, std::size_t band) {
    if (tuned.goal != nec::TuneGoal::Band || band >= tuned.bandGoal.size()) return "";
    const nec::SpiderBandGoal& goal = tuned.bandGoal[band];
    std::string missed;
    for (const std::string& m : goal.missed) missed += (missed.empty() ? "" : ", ") + jsonString(m);
    return ", \"band_goal\": {\"feed\": " + jsonString(nec::rowOf(nec::kFeeds, goal.limits.feed).word) +
           ", \"max_swr\": " + jsonNumber(goal.limits.maxSwr) +
           ", \"least_gain_dbi\": " + jsonNumber(goal.limits.leastGainDbi) +
           ", \"min_front_to_rear_db\": " + jsonNumber(goal.figures.frontToRearDb.value) +
           ", \"min_gain_dbi\": " + jsonNumber(goal.figures.gainDbi.value) +
           ", \"max_swr_reached\": " + jsonNumber(goal.figures.swr.value) + ", \"missed\": [" + missed + "]}";
}

std::string interactionText(const nec::MultibandDesign& design, const std::vector<nec::BandInteraction>& bands) {
    std::vector<std::vector<std::string>> rows{{"Band", "Loop", "Alone", "Together", "Change"}};
    std::vector<std::vector<std::string>> feeds{{"Band", "Rounds alone", "Feed alone", "Feed together", "R change"}};
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const std::string mhz = nec::printfText("%g MHz", design.bands[band].mhz);
        for (const nec::LoopInteraction& loop : bands[band].loops)
            rows.push_back({mhz, kElementWords[loop.driven], nec::printfText("%.3f m", loop.aloneMetres),
                            nec::printfText("%.3f m", loop.togetherMetres),
                            nec::printfText("%+.2f in (%+.2f%%)", changeInches(loop), changePercent(loop))});
        const std::complex<double> alone = bands[band].aloneFeed, together = bands[band].togetherFeed;
        feeds.push_back({mhz, std::to_string(bands[band].aloneRounds), nec::impedanceText(alone),
                         nec::impedanceText(together), nec::printfText("%+.1f ohm", together.real() - alone.real())});
    }
    return "\nEach band tuned with every band present against tuned alone on the same spider (its own two loops, "
           "the same goal and wire); the change is in the loop's whole wire, positive where the other bands make "
           "it longer:\n" +
           nec::alignedTable(rows) + "\nThe feed at each band's centre, each tuned:\n" + nec::alignedTable(feeds);
}

std::string interactionJson(const nec::BandInteraction& band) {
    std::string loops;
    for (const nec::LoopInteraction& loop : band.loops)
        loops += (loops.empty() ? "" : ", ") + ("{\"element\": \"" + std::string(kElementWords[loop.driven]) +
                                                "\", \"alone_m\": " + jsonNumber(loop.aloneMetres) +
                                                ", \"together_m\": " + jsonNumber(loop.togetherMetres) +
                                                ", \"change_in\": " + jsonNumber(changeInches(loop)) +
                                                ", \"change_percent\": " + jsonNumber(changePercent(loop)) + "}");
    return "{\"rounds_alone\": " + std::to_string(band.aloneRounds) + ", \"loops\": [" + loops +
           "], \"feed_alone\": " + feedJson(band.aloneFeed) + ", \"feed_together\": " + feedJson(band.togetherFeed) +
           ", \"r_change_ohm\": " + jsonNumber(band.togetherFeed.real() - band.aloneFeed.real()) + "}";
}

}  // namespace loopbeam::cli
