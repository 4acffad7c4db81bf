#include "nec/multiband/spider_tuning.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "nec/choice_table.h"
#include "nec/multiband/band_check.h"
#include "nec/printf_text.h"
#include "nec/tuning/evaluation.h"

namespace loopbeam::nec {
namespace {

// The first probes stand this far either side of the driven loop's length.
constexpr double kFirstStep = 0.005;
constexpr int kMostSteps = 10;
// Narrower windows for a reflector once it has been found: 1% either side.
constexpr double kPassWindow = 0.01;

struct Point {
    double perimeter, reactance;
};

class BandSearch {
public:
    BandSearch(const MultibandDesign& design, const CheckOptions& options, const RunControl& control, std::size_t band,
               int& solves)
        : design_(design), options_(options), control_(control), band_(band), solves_(solves) {
        control_.progress = nullptr;  // the rounds report their own
    }

    // The band's centre, one of its loops at each perimeter, solved side by side.
    Outcome<std::vector<Evaluation>> evaluations(const Spider& spider, bool driven,
                                                 const std::vector<double>& perimeters) {
        std::vector<NecModel> models;
        for (const double perimeter : perimeters) {
            Spider resized = spider;
            resizeLoop(resized, loopIndex(spider, band_, driven), perimeter);
            auto model = bandModel(design_, resized, options_, band_);
            if (!model) return Refused{model.error()};
            models.push_back(std::move(*model));
        }
        std::vector<Probe> probes;
        for (const NecModel& m : models) probes.push_back({&m, design_.bands[band_].mhz});
        auto solved = solveSideBySide(probes, control_);
        if (!solved) return Refused{solved.error()};
        solves_ += static_cast<int>(probes.size());
        return solved;
    }

    // X at the band's centre, the band's driven loop at each perimeter.
    Outcome<std::vector<double>> reactances(const Spider& spider, const std::vector<double>& perimeters) {
        auto solved = evaluations(spider, true, perimeters);
        if (!solved) return Refused{solved.error()};
        std::vector<double> out;
        for (const Evaluation& e : *solved) out.push_back(e.feedImpedance.imag());
        return out;
    }

    // The band's reflector for the greatest F/B at its centre, every other loop as it is:
    // the single band's search on the reflector's scale of its calculated length.
    Outcome<double> bestReflectorPerimeter(const Spider& spider, double calculated, bool firstRound) {
        const double now = spider.loops[loopIndex(spider, band_, false)].perimeterMetres / calculated;
        const Window range{kReflectorLowest, kReflectorHighest};
        const Window window = firstRound ? range
                                         : Window{std::max(range.low, now * (1 - kPassWindow)),
                                                  std::min(range.high, now * (1 + kPassWindow))};
        std::map<double, double> known;
        const auto solve = [&](const std::vector<double>& scales) {
            std::vector<double> unknown, perimeters;
            for (const double scale : scales)
                if (!known.count(scale)) unknown.push_back(scale), perimeters.push_back(scale * calculated);
            if (!unknown.empty()) {
                auto solved = evaluations(spider, false, perimeters);
                if (!solved) throw SearchStopped{solved.error().message};
                for (std::size_t i = 0; i < unknown.size(); ++i) known[unknown[i]] = (*solved)[i].backOverForward();
            }
            std::vector<double> out;
            for (const double scale : scales) out.push_back(known.at(scale));
            return out;
        };
        try {
            return bestReflectorScale(solve, window, range) * calculated;
        } catch (const SearchStopped& stopped) {
            // A cancel is said as every cancelled run says it, so that a front end knows it.
            if (stopped.why == kCancelledMessage) return refuse(kCancelledMessage);
            return refuse(printfText("At %g MHz with every loop present: ", design_.bands[band_].mhz) + stopped.why);
        }
    }

    // Secant steps from a pair either side of the present length.
    Outcome<double> resonantPerimeter(const Spider& spider, double calculated) {
        const double now = spider.loops[loopIndex(spider, band_, true)].perimeterMetres;
        const double lowest = calculated * kDrivenLowest, highest = calculated * kDrivenHighest;
        const std::vector<double> first{now * (1 - kFirstStep), now * (1 + kFirstStep)};
        auto x = reactances(spider, first);
        if (!x) return Refused{x.error()};
        Point a{first[0], (*x)[0]}, b{first[1], (*x)[1]};
        for (int step = 0; step < kMostSteps; ++step) {
            const double slope = (b.reactance - a.reactance) / (b.perimeter - a.perimeter);
            if (!(std::isfinite(slope) && slope > 0)) break;
            const Point& near = std::abs(a.reactance) < std::abs(b.reactance) ? a : b;
            const double next = std::clamp(near.perimeter - near.reactance / slope, lowest, highest);
            auto solved = reactances(spider, {next});
            if (!solved) return Refused{solved.error()};
            const Point p{next, solved->front()};
            if (std::abs(p.reactance) <= kResonantOhms) return p.perimeter;
            (std::abs(a.reactance) > std::abs(b.reactance) ? a : b) = p;
        }
        return refuse(
            printfText("The %g MHz driven loop found no resonance at its centre between %.3g and %.3g "
                       "of its calculated length, with every loop present.",
                       design_.bands[band_].mhz, kDrivenLowest, kDrivenHighest));
    }

private:
    const MultibandDesign& design_;
    const CheckOptions& options_;
    RunControl control_;
    std::size_t band_;
    int& solves_;
};

// Rounds of resonance and front-to-back usually settle in three.
constexpr double kUsualRounds = 3;

}  // namespace

std::string spiderTuneChanges(TuneGoal goal) {
    const std::string rounds = printfText(
        "band after band with every loop present, in rounds until no loop moves by more than %g%%; each loop's "
        "corners stay on the arms",
        kSettledFraction * 100);
    if (goal == TuneGoal::Resonance) return "trims each band's driven loop until X = 0 at its centre, " + rounds;
    if (goal == TuneGoal::FrontToBack)
        return "sets each band's reflector for the greatest F/B at its centre, then trims its driven loop to "
               "resonance, " +
               rounds;
    if (goal == TuneGoal::Band)
        return "searches each band's reflector and driven loop for the best lowest F/R over its band, its SWR and "
               "gain held, " +
               rounds;
    return std::string(rowOf(kTuneGoals, goal).changes);
}

bool SpiderTuned::metEveryBand() const {
    return std::all_of(bandGoal.begin(), bandGoal.end(), [](const SpiderBandGoal& g) { return g.missed.empty(); });
}

Outcome<SpiderTuned> tuneSpider(const MultibandDesign& design, const Spider& spider, const CheckOptions& options,
                                const RunControl& control, TuneGoal goal) {
    SpiderTuned tuned;
    tuned.spider = spider;
    tuned.goal = goal;
    double moved = INFINITY;
    while (moved > kSettledFraction) {
        if (tuned.rounds == kMostRounds)
            return refuse(
                printfText("The bands' driven loops had not settled after %d rounds: the last moved a "
                           "loop by %.3g%%, more than %g%%.",
                           kMostRounds, moved * 100, kSettledFraction * 100));
        ++tuned.rounds;
        moved = 0;
        for (std::size_t band = 0; band < design.bands.size(); ++band) {
            if (goal == TuneGoal::FrontToBack) {
                const std::size_t reflector = loopIndex(tuned.spider, band, false);
                const double before = tuned.spider.loops[reflector].perimeterMetres;
                auto best = BandSearch(design, options, control, band, tuned.solves)
                                .bestReflectorPerimeter(tuned.spider, spider.loops[reflector].perimeterMetres,
                                                        tuned.rounds == 1);
                if (!best) return Refused{best.error()};
                resizeLoop(tuned.spider, reflector, *best);
                moved = std::max(moved, std::abs(*best - before) / before);
            }
            const std::size_t loop = loopIndex(tuned.spider, band, true);
            const double before = tuned.spider.loops[loop].perimeterMetres;
            auto perimeter = BandSearch(design, options, control, band, tuned.solves)
                                 .resonantPerimeter(tuned.spider, spider.loops[loop].perimeterMetres);
            if (!perimeter) return Refused{perimeter.error()};
            resizeLoop(tuned.spider, loop, *perimeter);
            moved = std::max(moved, std::abs(*perimeter - before) / before);
            const double done = tuned.rounds - 1 + static_cast<double>(band + 1) / design.bands.size();
            if (control.progress) control.progress(std::min(0.95, done / kUsualRounds));
        }
    }
    return tuned;
}

}  // namespace loopbeam::nec
