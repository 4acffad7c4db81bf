#pragma once
// How long each loop is and where it stands along the boom: one perimeter a
// loop and one gap between neighbours, from the reflector forward. A design
// as calculated has every director alike and every gap alike; a tuning may
// change any of them.

#include <compare>
#include <cstddef>
#include <string>
#include <vector>

namespace loopbeam::nec {

// The loops' order on the boom: the reflector at x = 0, the driven loop, then
// the directors towards +x (forward).
inline constexpr std::size_t kReflectorLoop = 0, kDrivenLoop = 1;

struct BoomLayout {
    std::vector<double> perimeters;  // one a loop: the reflector, the driven loop, then the directors
    std::vector<double> spacings;    // one fewer: reflector-driven, driven-director 1, ...

    auto operator<=>(const BoomLayout&) const = default;
};

// Every director alike and every gap alike, as the main window calculates them.
BoomLayout evenLayout(int elements, double reflector, double driven, double director, double spacing);

// Each loop's distance from the reflector: 0 first.
std::vector<double> positionsAlong(const std::vector<double>& spacings);
// From the reflector to the last director.
double boomLength(const std::vector<double>& spacings);

// Every gap the same, or every director the same length.
bool allAlike(const std::vector<double>& values);
std::vector<double> directorsOf(const BoomLayout& layout);

// "reflector", "driven", "director 1": a loop as the JSON names it.
std::string loopWord(std::size_t loop);
// "spacing reflector-driven": the gap between this loop and the next.
std::string spacingWord(std::size_t gap);

}  // namespace loopbeam::nec
