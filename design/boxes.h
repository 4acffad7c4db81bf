#pragma once
// The boxes the handlers write, one enum a window, with the names their
// controls carry and their maximum lengths. A text can only go to a box
// listed here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text_cut.h"
#include "design/box_texts.h"

namespace loopbeam {

// The main window's boxes: the range row, the frequency box, the results.
enum class MainBox : std::uint8_t {
    Label1,
    Text9,
    Text10,
    freqtxt,
    Text14,
    Text15,
    Text16,
    Text17,
    Text18,
    Text19,
    Text20,
    Text21,
    Text22,
    Text23,
    Text24,
    Text25,
    Text26,
    Text27,
};

// The matching window's result boxes and unit headings.
enum class MatchingBox : std::uint8_t { Text3, Text4, Text6, Text7 };

using MainTexts = BoxTexts<MainBox>;
using MatchingTexts = BoxTexts<MatchingBox>;

struct BoxFacts {
    std::string_view name;  // the control's name
    std::size_t maxLength;  // characters kept, typed or assigned; 0 for no limit
};

inline constexpr std::size_t kFrequencyBoxMaxLength = 7;

// In enum order.
inline constexpr std::array<BoxFacts, 18> kMainBoxes{{
    {"Label1", 0},
    {"Text9", kFrequencyBoxMaxLength},
    {"Text10", kFrequencyBoxMaxLength},
    {"freqtxt", kFrequencyBoxMaxLength},
    {"Text14", 0},
    {"Text15", 0},
    {"Text16", 0},
    {"Text17", 0},
    {"Text18", 0},
    {"Text19", 0},
    {"Text20", 0},
    {"Text21", 0},
    {"Text22", 0},
    {"Text23", 0},
    {"Text24", 0},
    {"Text25", 0},
    {"Text26", 0},
    {"Text27", 0},
}};

inline constexpr std::array<BoxFacts, 4> kMatchingBoxes{{{"Text3", 0}, {"Text4", 0}, {"Text6", 0}, {"Text7", 0}}};

constexpr const BoxFacts& factsOf(MainBox box) { return kMainBoxes[static_cast<std::size_t>(box)]; }
constexpr const BoxFacts& factsOf(MatchingBox box) { return kMatchingBoxes[static_cast<std::size_t>(box)]; }

// What the box will hold after the text is assigned to it.
template <class Box>
std::string heldBy(Box box, std::string_view text) {
    const std::size_t limit = factsOf(box).maxLength;
    return std::string(limit == 0 ? text : cutToLength(text, limit));
}

}  // namespace loopbeam
