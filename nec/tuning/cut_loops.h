#pragma once
// The loops of a design as calculated, one length each (every director
// alike), along the boom from the back, as the model and the JSON list them.

#include <array>
#include <cstddef>
#include <string_view>

#include "design/result_rows.h"
#include "nec/model/nec_model.h"

namespace loopbeam::nec {

struct CutLoop {
    std::string_view word;     // as the JSON names it
    std::string_view caption;  // as the main window names it
    std::size_t loop;          // the first such loop in the model
};

inline constexpr std::array<CutLoop, 3> kCutLoops{{
    {"reflector", kLengthRows[2].caption, kReflectorLoop},
    {"driven", kLengthRows[1].caption, kDrivenLoop},
    {"directors", kLengthRows[0].caption, kDrivenLoop + 1},
}};

// The row a loop of the model is cut by.
inline const CutLoop& cutLoopOf(std::size_t loop) { return kCutLoops[loop < kCutLoops.size() ? loop : 2]; }

}  // namespace loopbeam::nec
