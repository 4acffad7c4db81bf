#include "nec/tuning/tuned_lengths.h"

#include "nec/tuning/cut_loops.h"

namespace loopbeam::nec {
namespace {

std::string capitalised(std::string word) {
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

}  // namespace

std::vector<LengthChange> loopChanges(const NecModel& calculated, const NecModel& tuned) {
    const BoomLayout before = layoutOf(calculated), after = layoutOf(tuned);
    const bool directorsAlike = allAlike(directorsOf(before)) && allAlike(directorsOf(after));
    std::vector<LengthChange> changes;
    for (std::size_t i = 0; i < before.perimeters.size(); ++i) {
        const bool director = i > kDrivenLoop;
        if (director && directorsAlike) {
            if (i > kDrivenLoop + 1) continue;
            const CutLoop& all = cutLoopOf(i);
            changes.push_back(
                {std::string(all.word), std::string(all.caption), before.perimeters[i], after.perimeters[i]});
            continue;
        }
        const std::string caption = director ? capitalised(loopWord(i)) : std::string(cutLoopOf(i).caption);
        changes.push_back({loopWord(i), caption, before.perimeters[i], after.perimeters[i]});
    }
    return changes;
}

std::vector<LengthChange> spacingChanges(const NecModel& calculated, const NecModel& tuned) {
    std::vector<LengthChange> changes;
    for (std::size_t i = 0; i < calculated.spacingsMetres.size(); ++i)
        changes.push_back(
            {spacingWord(i), capitalised(spacingWord(i)), calculated.spacingsMetres[i], tuned.spacingsMetres[i]});
    return changes;
}

std::optional<LengthChange> commonSpacing(const NecModel& calculated, const NecModel& tuned) {
    if (!allAlike(calculated.spacingsMetres) || !allAlike(tuned.spacingsMetres)) return std::nullopt;
    return LengthChange{std::string(kLengthRows[3].word), std::string(kLengthRows[3].caption),
                        calculated.spacingsMetres.front(), tuned.spacingsMetres.front()};
}

LengthChange boomChange(const NecModel& calculated, const NecModel& tuned) {
    return {std::string(kLengthRows[4].word), std::string(kLengthRows[4].caption),
            boomLength(calculated.spacingsMetres), boomLength(tuned.spacingsMetres)};
}

}  // namespace loopbeam::nec
