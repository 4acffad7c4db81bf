#include "nec/measured/trim_notes.h"

#include <cmath>

#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

std::vector<std::string> trimNotes(const FittedTrim& fitted, CutUnits units) {
    const ModelFit& fit = fitted.fit;
    std::string found = printfText("Measured: the model fits with every loop x %.4f", fit.factor);
    if (fit.drivenFactor) found += printfText(" and the driven loop x %.4f of the others", *fit.drivenFactor);
    found += printfText(" (error %.3f).", fit.error);
    if (!fit.fits()) return {found + " That is too far from this design to trust: no trims."};
    if (!fitted.trim || !*fitted.trim)
        return {found + " No trims: " + (fitted.trim ? fitted.trim->error().message : std::string()) + "."};
    const Trim& trim = **fitted.trim;
    std::vector<std::string> notes{found + " Trims for " + std::string(rowOf(kTuneGoals, trim.goal).word) + ":"};
    for (const TrimLoop& loop : trim.loops)
        notes.push_back(loop.element + ": as cut " + lengthText(loop.asCutMetres, units) + ", cut to " +
                        lengthText(loop.cutToMetres, units) + " (" +
                        changeText(loop.asCutMetres, loop.cutToMetres, units) + ").");
    notes.push_back(
        (std::isfinite(trim.resonanceMHz) ? printfText("After trimming: X = 0 at %.3f MHz", trim.resonanceMHz)
                                          : std::string("After trimming: no X = 0")) +
        printfText(", lowest SWR %.2f on 50 ohms, the band's lowest F/R %.1f dB.", trim.minSwr, trim.minFrDb));
    return notes;
}

}  // namespace loopbeam::nec
