#include "nec/multiband/spider_tuning.h"

#include <algorithm>
#include <cmath>

#include "nec/multiband/band_check.h"
#include "nec/printf_text.h"
#include "nec/tuning/evaluation.h"

namespace loopbeam::nec {
namespace {

// The first probes stand this far either side of the driven loop's length.
constexpr double kFirstStep = 0.005;
constexpr int kMostSteps = 10;

struct Point {
    double perimeter, reactance;
};

class BandSearch {
public:
    BandSearch(const MultibandDesign& design, const CheckOptions& options, const RunControl& control, std::size_t band,
               int& solves)
        : design_(design), options_(options), control_(control), band_(band), solves_(solves) {}

    // X at the band's centre, the band's driven loop at each perimeter, solved side by side.
    Outcome<std::vector<double>> reactances(const Spider& spider, const std::vector<double>& perimeters) {
        std::vector<NecModel> models;
        for (const double perimeter : perimeters) {
            Spider resized = spider;
            resizeLoop(resized, loopIndex(spider, band_, true), perimeter);
            auto model = bandModel(design_, resized, options_, band_);
            if (!model) return Refused{model.error()};
            models.push_back(std::move(*model));
        }
        std::vector<Probe> probes;
        for (const NecModel& m : models) probes.push_back({&m, design_.bands[band_].mhz});
        auto solved = solveSideBySide(probes, control_);
        if (!solved) return Refused{solved.error()};
        solves_ += static_cast<int>(probes.size());
        std::vector<double> out;
        for (const Evaluation& e : *solved) out.push_back(e.feedImpedance.imag());
        return out;
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
    const RunControl& control_;
    std::size_t band_;
    int& solves_;
};

}  // namespace

Outcome<SpiderTuned> tuneSpiderResonance(const MultibandDesign& design, const Spider& spider,
                                         const CheckOptions& options, const RunControl& control) {
    SpiderTuned tuned{spider, 0, 0};
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
            const std::size_t loop = loopIndex(tuned.spider, band, true);
            const double before = tuned.spider.loops[loop].perimeterMetres;
            auto perimeter = BandSearch(design, options, control, band, tuned.solves)
                                 .resonantPerimeter(tuned.spider, spider.loops[loop].perimeterMetres);
            if (!perimeter) return Refused{perimeter.error()};
            resizeLoop(tuned.spider, loop, *perimeter);
            moved = std::max(moved, std::abs(*perimeter - before) / before);
        }
    }
    return tuned;
}

}  // namespace loopbeam::nec
