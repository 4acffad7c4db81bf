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
EngineJob jobFor(const NecModel& model, std::span<const FrequencyRequest> requests);

// What nec2c printed for that job, by the frequencies asked.
Outcome<std::vector<FrequencyOutput>> readJob(std::string_view printed, const NecModel& model,
                                              std::span<const FrequencyRequest> requests);

}  // namespace loopbeam::nec
