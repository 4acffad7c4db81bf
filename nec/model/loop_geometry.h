#pragma once
// One loop's wires in the plane across the boom (x along the boom, y across,
// z up), every loop the length of wire it was calculated with.

#include <cstddef>
#include <vector>

namespace loopbeam::nec {

struct Point {
    double x = 0, y = 0, z = 0;
};

struct Wire {
    Point from, to;
    int segments = 1;
    int tag = 0;  // set when the loops are put on the boom
};

struct LoopWires {
    std::vector<Wire> wires;  // end to end, closing on the first; the first is fed
    int feedSegment = 1;      // the centre segment of the first wire
};

// Sides horizontal and vertical: bottom, right, top, left. The feed is the
// centre segment of the bottom wire (horizontal polarisation).
LoopWires squareLoop(double perimeter, int segmentsPerSide, double x, double centreZ);

// Turned 45 degrees. Fed (feedWire > 0), the bottom corner is cut off by a
// horizontal feed wire, since a source cannot sit on a junction; the source is
// its middle segment of three (a single segment as long as the wire made the
// impedance drift with the sides' segmentation). Cutting c off each lower side
// and adding the feed wire w = c * sqrt(2) would shorten the loop by 2c - w, so
// the sides are lengthened by (2c - w) / 4 each and the total stays the
// perimeter.
inline constexpr int kFeedWireSegments = 3;
LoopWires diamondLoop(double perimeter, int segmentsPerSide, double x, double centreZ, double feedWire);

}  // namespace loopbeam::nec
