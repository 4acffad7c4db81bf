#pragma once
// A model's frequencies as one nec2c job, and that job's output read back:
// the check's solves and the tuning's probes run and read alike.

#include <span>
#include <string_view>
#include <vector>

#include "nec/engine/engine_run.h"
#include "nec/engine/nec2c_output.h"
#include "nec/model/nec_model.h"
#include "nec/outcome.h"

namespace loopbeam::nec {

// The deck asking for these frequencies, with the time limit of its cost.
// Over ground a request without a window of its own is read finely around
// the take-off a flat ground gives at the boom's height.
EngineJob jobFor(const NecModel& model, std::span<const FrequencyRequest> requests);

// A model and the frequencies it is solved at.
struct ModelRequests {
    const NecModel* model = nullptr;
    std::vector<FrequencyRequest> requests;
};

// Runs them at once and reads them back, each in the order asked. Over
// ground, a frequency whose lobe peaks outside its fine window is solved once
// more with the window around its grid's peak: in one job where the window
// guessed well, in two where not.
Outcome<std::vector<std::vector<FrequencyOutput>>> solveModels(const std::vector<ModelRequests>& jobs,
                                                               const RunControl& control);

// Where the grid of a solved frequency peaks forward (degrees of elevation).
double gridTakeOff(const FrequencyOutput& output);

// What nec2c printed for that job, by the frequencies asked.
Outcome<std::vector<FrequencyOutput>> readJob(std::string_view printed, const NecModel& model,
                                              std::span<const FrequencyRequest> requests);

}  // namespace loopbeam::nec
