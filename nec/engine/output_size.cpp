#include "nec/engine/output_size.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace loopbeam::nec {

namespace {

// Measured with nec2c 1.3, whose lines are of fixed width. Its listing: a
// wire 108 bytes, a segment 101, the title and headings 2.5 KB (2.9 over
// ground) besides the comments. A frequency: 2.1 KB of headings, loading,
// environment, feed and power budget with its FR card's echo; an RP card 0.6 KB
// of title, headings and echo, and 120 bytes a direction. A frequency of
// forward and back in free space writes 2.6 KB, one of 91 elevations by
// forward and back over ground 23.9 KB (24,492 bytes).
constexpr double kListingBytes = 8192, kBytesPerWire = 108, kBytesPerSegment = 101;
constexpr double kBytesPerFrequency = 2100, kBytesPerPatternCard = 600, kBytesPerDirection = 120;
// Room for other builds of nec2c and its warnings.
constexpr double kOutputMargin = 4;
// For small runs, whose headings outweigh their figures.
constexpr std::size_t kLeastOutputCap = std::size_t{4} << 20;
constexpr double kMostOutputCap = 1e12;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t i = 0; (i = line.find_first_not_of(" \t\r,", i)) != std::string_view::npos;) {
        const std::size_t end = std::min(line.find_first_of(" \t\r,", i), line.size());
        words.push_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

// The integer field at index i of a card; 0 when missing or not an integer.
double count(const std::vector<std::string_view>& card, std::size_t i) {
    long value = 0;
    if (i < card.size()) std::from_chars(card[i].data(), card[i].data() + card[i].size(), value);
    return static_cast<double>(std::max(0L, value));
}

}  // namespace

OutputSize outputSizeOf(std::string_view deck) {
    double bytes = kListingBytes, frequencies = 1;  // those of the last FR card
    while (!deck.empty()) {
        const std::size_t end = std::min(deck.find('\n'), deck.size());
        const std::vector<std::string_view> card = fields(deck.substr(0, end));
        deck.remove_prefix(std::min(end + 1, deck.size()));
        if (card.empty()) continue;
        if (card[0] == "GW") bytes += kBytesPerWire + kBytesPerSegment * count(card, 2);
        if (card[0] == "FR") {
            frequencies = std::max(1.0, count(card, 2));
            bytes += kBytesPerFrequency * frequencies;
        }
        // Each RP card is worked out at every frequency of the FR card before it.
        if (card[0] == "RP")
            bytes += (kBytesPerPatternCard + kBytesPerDirection * count(card, 2) * count(card, 3)) * frequencies;
    }
    const double cap = std::min(kOutputMargin * bytes, kMostOutputCap);  // a deck asking for absurd counts
    return {bytes, std::max(kLeastOutputCap, static_cast<std::size_t>(cap))};
}

}  // namespace loopbeam::nec
