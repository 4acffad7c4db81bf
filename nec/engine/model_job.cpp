#include "nec/engine/model_job.h"

#include "nec/model/deck_writer.h"
#include "nec/model/run_cost.h"

namespace loopbeam::nec {

EngineJob jobFor(const NecModel& model, std::span<const FrequencyRequest> requests) {
    return {writeDeck(model, requests), requests.size(),
            timeoutSeconds(model.totalSegments(), requests.size(), model.boomHeightMetres.has_value())};
}

Outcome<std::vector<FrequencyOutput>> readJob(std::string_view printed, const NecModel& model,
                                              std::span<const FrequencyRequest> requests) {
    return readNec2cOutput(printed, requests, model.feed, model.boomHeightMetres.has_value());
}

}  // namespace loopbeam::nec
