#include "nec/model/boom_layout.h"

#include <algorithm>
#include <functional>

namespace loopbeam::nec {

BoomLayout evenLayout(int elements, double reflector, double driven, double director, double spacing) {
    BoomLayout layout{{reflector, driven}, {}};
    for (int i = 2; i < elements; ++i) layout.perimeters.push_back(director);
    for (int i = 1; i < elements; ++i) layout.spacings.push_back(spacing);
    return layout;
}

std::vector<double> positionsAlong(const std::vector<double>& spacings) {
    std::vector<double> positions{0};
    for (const double gap : spacings) positions.push_back(positions.back() + gap);
    return positions;
}

double boomLength(const std::vector<double>& spacings) { return positionsAlong(spacings).back(); }

bool allAlike(const std::vector<double>& values) {
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

std::vector<double> directorsOf(const BoomLayout& layout) {
    if (layout.perimeters.size() <= kDrivenLoop + 1) return {};
    return {layout.perimeters.begin() + kDrivenLoop + 1, layout.perimeters.end()};
}

std::string loopWord(std::size_t loop) {
    if (loop == kReflectorLoop) return "reflector";
    if (loop == kDrivenLoop) return "driven";
    return "director " + std::to_string(loop - kDrivenLoop);
}

std::string spacingWord(std::size_t gap) { return "spacing " + loopWord(gap) + "-" + loopWord(gap + 1); }

}  // namespace loopbeam::nec
