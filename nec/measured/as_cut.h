#pragma once
// What the builder cut, to fit the measurement to: the cut-list CSV the
// program saved (its element and wire_m columns, or as_cut_m where the window
// saved what was cut; "#" lines skipped), or
// "reflector=M,driven=M,director=M" in metres, with "director 1=M,director
// 2=M,..." where the directors differ. Either is laid on the design's boom.

#include <string>
#include <string_view>
#include <vector>

#include "nec/model/boom_layout.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

struct AsCutLength {
    std::string element;  // "reflector", "driven", "director" (every one), "director 2"
    double metres = 0;
};

Outcome<std::vector<AsCutLength>> readAsCutPairs(std::string_view text);
Outcome<std::vector<AsCutLength>> readAsCutCsv(std::string_view text);
// A CSV file when the argument names one that exists, else the pairs.
Outcome<std::vector<AsCutLength>> readAsCut(const std::string& argument);

// The design's gaps with the perimeters cut; refuses a loop the lengths leave
// out, a director the design does not have, or one given twice.
Outcome<BoomLayout> asCutLayout(const BoomLayout& design, const std::vector<AsCutLength>& lengths);
// The design's model with its loops as cut, on its boom.
Outcome<NecModel> asCutModel(const NecModel& design, const std::vector<AsCutLength>& lengths);

}  // namespace loopbeam::nec
