#include "nec/model/loop_geometry.h"

#include <cmath>

namespace loopbeam::nec {

namespace {

Wire wire(double x, double y1, double z1, double y2, double z2, int segments) {
    return Wire{{x, y1, z1}, {x, y2, z2}, segments};
}

}  // namespace

LoopWires squareLoop(double perimeter, int segmentsPerSide, double x, double centreZ) {
    const double h = perimeter / 8;  // half a side
    const double bottom = centreZ - h, top = centreZ + h;
    const int n = segmentsPerSide;
    return LoopWires{{wire(x, -h, bottom, h, bottom, n), wire(x, h, bottom, h, top, n), wire(x, h, top, -h, top, n),
                      wire(x, -h, top, -h, bottom, n)},
                     (n + 1) / 2};
}

LoopWires diamondLoop(double perimeter, int segmentsPerSide, double x, double centreZ, double feedWire) {
    const int n = segmentsPerSide;
    const double cut = feedWire / std::sqrt(2.0);  // off each lower side
    const double side = (perimeter + 2 * cut - feedWire) / 4;
    const double d = side / std::sqrt(2.0);  // centre to corner
    const double bottom = centreZ - d, top = centreZ + d;
    LoopWires loop;
    if (feedWire <= 0) {
        loop.wires = {wire(x, 0, bottom, d, centreZ, n), wire(x, d, centreZ, 0, top, n),
                      wire(x, 0, top, -d, centreZ, n), wire(x, -d, centreZ, 0, bottom, n)};
        return loop;
    }
    const double gap = feedWire / 2;
    // the cut corner's half width and height
    loop.wires = {wire(x, -gap, bottom + gap, gap, bottom + gap, kFeedWireSegments),
                  wire(x, gap, bottom + gap, d, centreZ, n), wire(x, d, centreZ, 0, top, n),
                  wire(x, 0, top, -d, centreZ, n), wire(x, -d, centreZ, -gap, bottom + gap, n)};
    loop.feedSegment = (kFeedWireSegments + 1) / 2;
    return loop;
}

}  // namespace loopbeam::nec
