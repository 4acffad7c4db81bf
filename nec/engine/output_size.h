#pragma once
// How much nec2c writes for a deck, read off the deck itself: the listing of
// its wires and segments, then for every frequency its headings and each RP
// card's directions. A run is allowed a generous multiple of that and no
// more: an engine that writes beyond it is not the NEC-2 engine.

#include <cstddef>
#include <string_view>

namespace loopbeam::nec {

struct OutputSize {
    double expectedBytes = 0;  // a little above what nec2c writes
    std::size_t capBytes = 0;  // what is read of it at most
};

OutputSize outputSizeOf(std::string_view deck);

}  // namespace loopbeam::nec
