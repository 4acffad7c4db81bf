#include "nec/tuning/wire_factor.h"

#include <array>
#include <boost/math/tools/toms748_solve.hpp>

#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

// The resonance to 0.001%: far below what a builder can cut.
constexpr double kRelativeTolerance = 1e-5;

double seriesResonance(TuningSolver& solver, const NecModel& loop, double low, double lowX, double high, double highX) {
    const auto reactance = [&](double mhz) {
        const Probe probe{&loop, mhz};
        return solver.solve(std::span(&probe, 1)).front().feedImpedance.imag();
    };
    const auto closeEnough = [](double a, double b) { return b - a <= kRelativeTolerance * a; };
    std::uintmax_t iterations = kLoneLoopIterations;
    const auto [a, b] = boost::math::tools::toms748_solve(reactance, low, high, lowX, highX, closeEnough, iterations);
    if (!closeEnough(a, b))
        throw SearchStopped{
            printfText("the lone loop's resonance was not found within %d solves", kLoneLoopIterations)};
    return (a + b) / 2;
}

}  // namespace

NecModel loneLoop(const NecModel& calculated, bool insulated) {
    const Loop& driven = calculated.loops[kDrivenLoop];
    NecModel loop;
    loop.wireRadiusMetres = calculated.wireRadiusMetres;
    loop.conductor = calculated.conductor;
    if (insulated) loop.insulation = calculated.insulation;
    loop.sweep = calculated.sweep;
    const int perSide = driven.wires.back().segments;
    LoopWires wires = squareLoop(driven.perimeterMetres, perSide, 0, 0);
    for (std::size_t i = 0; i < wires.wires.size(); ++i) wires.wires[i].tag = static_cast<int>(i) + 1;
    loop.feed = {1, wires.feedSegment, wires.feedSegment};
    loop.loops.push_back({driven.perimeterMetres, std::move(wires.wires)});
    loop.comments = {printfText("loopbeam wire factor: a lone loop of %.4g m, %s", driven.perimeterMetres,
                                insulated ? "insulated" : "bare")};
    return loop;
}

WireFactor wireFactor(TuningSolver& solver) {
    const NecModel& calculated = solver.calculated();
    if (!calculated.insulation) return {};
    const std::array<NecModel, 2> loops{loneLoop(calculated, true), loneLoop(calculated, false)};
    const double low = kLoneLoopLowest * solver.lockedMHz(), high = kLoneLoopHighest * solver.lockedMHz();
    // Both ends of both brackets side by side.
    const std::array<Probe, 4> ends{{{&loops[0], low}, {&loops[0], high}, {&loops[1], low}, {&loops[1], high}}};
    const std::vector<Evaluation> x = solver.solve(ends);
    std::array<double, 2> resonance{};
    for (std::size_t i = 0; i < loops.size(); ++i) {
        const double lowX = x[2 * i].feedImpedance.imag(), highX = x[2 * i + 1].feedImpedance.imag();
        if (!(lowX < 0 && highX > 0))
            throw SearchStopped{printfText(
                "a lone %s loop of the driven element's length has no series resonance between %.4g and %.4g MHz "
                "(X %.1f and %.1f ohm there), so the wire's factor cannot be found",
                i == 0 ? "insulated" : "bare", low, high, lowX, highX)};
        resonance[i] = seriesResonance(solver, loops[i], low, lowX, high, highX);
    }
    return {resonance[0] / resonance[1], resonance[0], resonance[1]};
}

}  // namespace loopbeam::nec
