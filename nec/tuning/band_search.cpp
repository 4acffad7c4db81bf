#include "nec/tuning/band_search.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <nlopt.hpp>

#include "nec/band/band_evaluation.h"
#include "nec/check/feed_advice.h"
#include "nec/choice_table.h"
#include "nec/model/segment_rule.h"
#include "nec/printf_text.h"
#include "nec/tuning/scaled_model.h"
#include "nec/tuning/tuning_solver.h"

namespace loopbeam::nec {
namespace {

// Stand-ins where a figure is missing, so that COBYLA sees a bad design rather than NaN.
constexpr double kWorstSwr = 100, kWorstFrontToRearDb = -100, kWorstGainDbi = -100;

double orWorst(double value, double worst) { return std::isfinite(value) ? value : worst; }

// The variables: reflector, driven and director scales of the reference,
// the last director's scale with a taper, then the gaps in wavelengths.
class Variables {
public:
    Variables(const BoomLayout& reference, double wavelength)
        : reference_(reference),
          wavelength_(wavelength),
          directors_(reference.perimeters.size() - 2),
          gaps_(std::min<std::size_t>(2, reference.spacings.size())) {}

    std::size_t lengths() const { return 2 + std::min<std::size_t>(directors_, 2); }
    std::size_t count() const { return lengths() + gaps_; }

    std::vector<double> of(const BoomLayout& layout) const {
        std::vector<double> x;
        for (std::size_t i = 0; i < 2 + std::min<std::size_t>(directors_, 1); ++i)
            x.push_back(layout.perimeters[i] / reference_.perimeters[i]);
        if (directors_ >= 2) x.push_back(layout.perimeters.back() / reference_.perimeters.back());
        for (std::size_t g = 0; g < gaps_; ++g) x.push_back(layout.spacings[g] / wavelength_);
        return x;
    }

    BoomLayout layout(const std::vector<double>& x) const {
        BoomLayout out = reference_;
        out.perimeters[kReflectorLoop] *= x[0];
        out.perimeters[kDrivenLoop] *= x[1];
        for (std::size_t d = 0; d < directors_; ++d) {
            const double last = directors_ >= 2 ? x[3] : x[2];
            const double along = directors_ >= 2 ? static_cast<double>(d) / static_cast<double>(directors_ - 1) : 0;
            out.perimeters[2 + d] *= x[2] + (last - x[2]) * along;
        }
        for (std::size_t g = 0; g < gaps_; ++g) out.spacings[g] = x[lengths() + g] * wavelength_;
        return out;
    }

    std::vector<double> lower() const { return bounds(1 - kBandLengthReach, kBandSpacingLowest); }
    std::vector<double> upper() const { return bounds(1 + kBandLengthReach, kBandSpacingHighest); }
    std::vector<double> steps() const { return bounds(0.02, 0.02); }

private:
    std::vector<double> bounds(double length, double gap) const {
        std::vector<double> b(lengths(), length);
        b.insert(b.end(), gaps_, gap);
        return b;
    }

    BoomLayout reference_;
    double wavelength_;
    std::size_t directors_, gaps_;
};

struct Record {
    BandFigures figures;
    double frontToRear = kWorstFrontToRearDb, swrExcess = 0, gainShort = 0;

    double violation(const BandConstraints& limits) const {
        return std::max(0.0, swrExcess) / limits.maxSwr + std::max(0.0, gainShort);
    }
};

class Search {
public:
    Search(const BandSpace& space, const BandConstraints& limits, const RunControl& control,
           const std::function<void(int)>& spent)
        : space_(space), limits_(limits), control_(control), spent_(spent) {
        control_.progress = nullptr;
    }

    const Record& at(const std::vector<double>& x) {
        if (const auto known = known_.find(x); known != known_.end()) return known->second;
        Record r;
        auto model = space_.model(x);
        if (model) {
            auto band = bandThroughFeed(*model, limits_.feed, control_);
            if (!band) throw SearchStopped{band.error().message};
            r.figures = *band;
        }
        // A layout that cannot be built (too near the ground) is as bad as it gets.
        r.frontToRear = orWorst(r.figures.frontToRearDb.value, kWorstFrontToRearDb);
        r.swrExcess = std::min(orWorst(r.figures.swr.value, kWorstSwr), kWorstSwr) - limits_.maxSwr;
        r.gainShort = limits_.leastGainDbi - orWorst(r.figures.gainDbi.value, kWorstGainDbi);
        ++evaluations_;
        if (spent_) spent_(evaluations_);
        note(x, r);
        return known_.emplace(x, r).first->second;
    }

    void note(const std::vector<double>& x, const Record& r) {
        const double v = r.violation(limits_);
        const bool better =
            !best_ || (v == 0 && (bestViolation_ > 0 || r.frontToRear > best_->frontToRear + space_.leastGainDb)) ||
            (v > 0 && bestViolation_ > 0 && v < bestViolation_);
        if (!better) return;
        best_ = r;
        bestX_ = x;
        bestViolation_ = v;
    }

    int evaluations() const { return evaluations_; }
    const Record& best() const { return *best_; }
    const std::vector<double>& bestX() const { return bestX_; }

private:
    const BandSpace& space_;
    BandConstraints limits_;
    RunControl control_;
    const std::function<void(int)>& spent_;
    std::map<std::vector<double>, Record> known_;
    int evaluations_ = 0;
    std::optional<Record> best_;
    std::vector<double> bestX_;
    double bestViolation_ = 0;
};

// NLopt swallows a callback's exceptions: the first is kept and thrown again after.
struct Callback {
    Search* search;
    std::exception_ptr* failure;
    int figure;  // 0: the objective, 1: SWR, 2: gain
};

double figureOf(const std::vector<double>& x, std::vector<double>& gradient, void* data) {
    (void)gradient;  // a derivative-free method asks for none
    auto* c = static_cast<Callback*>(data);
    try {
        const Record& r = c->search->at(x);
        return c->figure == 0 ? -r.frontToRear : c->figure == 1 ? r.swrExcess : r.gainShort;
    } catch (...) {
        if (!*c->failure) *c->failure = std::current_exception();
        throw nlopt::forced_stop();
    }
}

void searchFrom(Search& search, const BandSpace& space, std::vector<double> x, int evaluations) {
    nlopt::opt opt(nlopt::LN_COBYLA, static_cast<unsigned>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = std::clamp(x[i], space.lower[i], space.upper[i]);
    opt.set_lower_bounds(space.lower);
    opt.set_upper_bounds(space.upper);
    opt.set_initial_step(space.steps);
    opt.set_maxeval(evaluations);
    opt.set_xtol_abs(5e-4);  // 0.05% of a length, 0.0005 wavelength of a gap
    std::exception_ptr failure;
    Callback objective{&search, &failure, 0}, swr{&search, &failure, 1}, gain{&search, &failure, 2};
    opt.set_min_objective(figureOf, &objective);
    opt.add_inequality_constraint(figureOf, &swr, 1e-3);
    opt.add_inequality_constraint(figureOf, &gain, 1e-3);
    double value = 0;
    try {
        opt.optimize(x, value);
    } catch (const std::exception&) {
        if (!failure) throw SearchStopped{"NLopt's COBYLA stopped without a result"};
    }
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

std::vector<std::string> missedConstraints(const BandFigures& figures, const BandConstraints& limits) {
    std::vector<std::string> missed;
    if (!(figures.swr.value <= limits.maxSwr))
        missed.push_back(printfText("the band's highest SWR through %s, %.2f, is above %g",
                                    std::string(rowOf(kFeeds, limits.feed).name).c_str(), figures.swr.value,
                                    limits.maxSwr));
    if (!(figures.gainDbi.value >= limits.leastGainDbi))
        missed.push_back(printfText("the band's lowest gain, %.2f dBi, is below %.2f dBi", figures.gainDbi.value,
                                    limits.leastGainDbi));
    return missed;
}

Outcome<BandFigures> bandThroughFeed(const NecModel& model, FeedKind feed, const RunControl& control) {
    const FeedRow& row = rowOf(kFeeds, feed);
    const double locked = model.sweep.locked();
    return evaluateBand(model, control,
                        [&](double mhz, std::complex<double> z) { return swrThrough(row, z, mhz, locked); });
}

BandPoint bestInSpace(const BandSpace& space, const std::vector<std::vector<double>>& starts,
                      const BandConstraints& limits, int evaluationsPerStart, const RunControl& control,
                      const std::function<void(int)>& spent) {
    Search search(space, limits, control, spent);
    for (const std::vector<double>& start : starts) searchFrom(search, space, start, evaluationsPerStart);
    return {search.bestX(), search.best().figures, missedConstraints(search.best().figures, limits),
            search.evaluations()};
}

BandFound bestOverBand(const NecModel& calculated, const BoomLayout& reference, const std::vector<BoomLayout>& starts,
                       const BandConstraints& limits, const RunControl& control,
                       const std::function<void(int)>& spent) {
    const Variables variables(reference, wavelengthMetres(calculated.sweep.locked()));
    const BandSpace space{[&](const std::vector<double>& x) { return relaidModel(calculated, variables.layout(x)); },
                          variables.lower(), variables.upper(), variables.steps()};
    std::vector<std::vector<double>> from;
    for (const BoomLayout& start : starts) from.push_back(variables.of(start));
    const BandPoint best = bestInSpace(space, from, limits, kBandEvaluationsPerStart, control, spent);
    BandFound found;
    found.layout = variables.layout(best.x);
    found.figures = best.figures;
    found.missed = best.missed;
    found.feasible = found.missed.empty();
    found.evaluations = best.evaluations;
    return found;
}

}  // namespace loopbeam::nec
