#pragma once
// The options that choose the wire and the soil the NEC-2 check models:
// --insulation with --permittivity or --insulation-material, --conductor and
// --soil.

#include <optional>
#include <string>
#include <string_view>

#include "nec/model/quad_design.h"

namespace loopbeam::cli {

struct ModelChoices {
    std::optional<double> insulationMm;
    std::optional<double> permittivity;
    std::optional<nec::Dielectric> insulationMaterial;
    std::optional<nec::Conductor> conductor;
    std::optional<nec::Soil> soil;
};

bool isModelOption(std::string_view name);

// Reads one option's value; a usage error's message when it is not accepted.
std::optional<std::string> readModelOption(std::string_view name, std::string_view value, ModelChoices& choices);

// The options that only make sense together, and only with a model of the design.
std::optional<std::string> modelChoicesFault(const ModelChoices& choices, bool groundGiven, bool modelsDesign);

void applyModelChoices(const ModelChoices& choices, nec::CheckOptions& options);

}  // namespace loopbeam::cli
