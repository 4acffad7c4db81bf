#include "cli/model_options.h"

#include "cli/options.h"
#include "common/parse.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::cli {
namespace {

std::string str(std::string_view text) { return std::string(text); }

template <class Rows, class Key>
std::optional<std::string> readWord(std::string_view name, const Rows& rows, std::string_view value,
                                    std::optional<Key>& into) {
    const auto* row = nec::rowOfWord(rows, value);
    if (!row) return mustBeOneOf(name, rows, value);
    into = row->key;
    return std::nullopt;
}

std::optional<std::string> readLimited(std::string_view name, std::string_view what, double above, double most,
                                       std::string_view value, std::optional<double>& into) {
    const auto number = strictParse(value);
    if (!number || !(*number > above && *number <= most))
        return str(name) + " must be " + str(what) + nec::printfText(", above %g and at most %g, ", above, most) +
               notValue(value);
    into = *number;
    return std::nullopt;
}

}  // namespace

bool isModelOption(std::string_view name) {
    return name == "--insulation" || name == "--permittivity" || name == "--insulation-material" ||
           name == "--conductor" || name == "--soil";
}

std::optional<std::string> readModelOption(std::string_view name, std::string_view value, ModelChoices& choices) {
    if (name == "--insulation")
        return readLimited(name, "the insulation's thickness in millimetres", 0, nec::kMaxInsulationMm, value,
                           choices.insulationMm);
    if (name == "--permittivity")
        return readLimited(name, "the insulation's relative permittivity", 1, nec::kMaxInsulationPermittivity, value,
                           choices.permittivity);
    if (name == "--insulation-material") return readWord(name, nec::kDielectrics, value, choices.insulationMaterial);
    // The US spelling names the same metal.
    if (name == "--conductor")
        return readWord(name, nec::kConductors, value == "aluminum" ? "aluminium" : value, choices.conductor);
    return readWord(name, nec::kSoils, value, choices.soil);
}

std::optional<std::string> modelChoicesFault(const ModelChoices& choices, bool groundGiven, bool modelsDesign) {
    const bool described = choices.permittivity || choices.insulationMaterial;
    if (!choices.insulationMm && described)
        return str(choices.permittivity ? "--permittivity" : "--insulation-material") +
               " describes the insulation: add its thickness with --insulation MM";
    if (choices.insulationMm && choices.permittivity.has_value() == choices.insulationMaterial.has_value())
        return "--insulation needs exactly one of --permittivity ER or --insulation-material " +
               nec::wordsOf(nec::kDielectrics);
    if (choices.soil && !groundGiven) return str("--soil lies under the boom: add its height with --ground HEIGHT_M");
    if ((choices.insulationMm || choices.conductor || choices.soil) && !modelsDesign)
        return str(
            "--insulation, --conductor and --soil shape the NEC-2 check: add --simulate, --touchstone or "
            "--nec-deck");
    return std::nullopt;
}

void applyModelChoices(const ModelChoices& choices, nec::CheckOptions& options) {
    if (choices.insulationMm)
        options.insulation = choices.insulationMaterial
                                 ? nec::insulationOf(*choices.insulationMm, *choices.insulationMaterial)
                                 : nec::Insulation{*choices.insulationMm, *choices.permittivity};
    if (choices.conductor) options.conductor = *choices.conductor;
    if (choices.soil) options.soil = *choices.soil;
}

}  // namespace loopbeam::cli
