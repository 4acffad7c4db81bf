#pragma once
// Where a chart's axis puts its ticks: on round numbers, so that a reader can
// read a value off it by eye.

namespace loopbeam {

struct RoundTicks {
    double first = 0;  // the lowest tick within the range
    double step = 1;   // 1, 2, 2.5 or 5 times a power of ten
    int decimals = 0;  // enough to write every tick exactly
};

// The finest round step that puts at most maxTicks ticks within [low, high].
// Expects low < high, both finite, and maxTicks >= 2.
RoundTicks roundTicks(double low, double high, int maxTicks);

}  // namespace loopbeam
