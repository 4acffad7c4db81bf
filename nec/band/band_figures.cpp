#include "nec/band/band_figures.h"

namespace loopbeam::nec {

namespace {

// A NaN value is no figure; an infinite SWR is the worst there is.
void keepWorst(BandWorst& worst, double value, double mhz, bool lowest) {
    if (std::isnan(value)) return;
    if (std::isnan(worst.value) || (lowest ? value < worst.value : value > worst.value)) worst = {value, mhz};
}

}  // namespace

BandFigures bandFigures(const Band& band, std::span<const BandSample> samples) {
    BandFigures figures;
    figures.band = band;
    for (const BandSample& s : samples) {
        if (s.mhz < band.lowMHz || s.mhz > band.highMHz) continue;
        keepWorst(figures.gainDbi, s.gainDbi, s.mhz, true);
        keepWorst(figures.frontToBackDb, s.frontToBackDb, s.mhz, true);
        keepWorst(figures.frontToRearDb, s.frontToRearDb, s.mhz, true);
        keepWorst(figures.swr, s.swr, s.mhz, false);
    }
    return figures;
}

}  // namespace loopbeam::nec
