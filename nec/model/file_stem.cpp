#include "nec/model/file_stem.h"

#include <cctype>
#include <vector>

#include "common/text_forms.h"
#include "nec/choice_table.h"
#include "nec/model/soil.h"
#include "nec/model/wire.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {
namespace {

// "STANDARD HIGH GAIN" as "standard-high-gain".
std::string slug(std::string_view caption) {
    std::string out;
    for (const char c : caption) out += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// "bare", "pvc0.5mm", or "insulated0.4mm-er2.8" for a permittivity given by its value.
std::string insulationPart(const std::optional<Insulation>& insulation) {
    if (!insulation) return "bare";
    const std::string thickness = shortestText(insulation->thicknessMm) + "mm";
    if (insulation->material) return std::string(rowOf(kDielectrics, *insulation->material).word) + thickness;
    return "insulated" + thickness + "-er" + shortestText(insulation->permittivity);
}

// One part a model option, in the order the window shows them.
std::vector<std::string> modelParts(const CheckOptions& options) {
    std::vector<std::string> parts;
    if (options.boomHeightMetres) {
        parts.push_back("ground" + shortestText(*options.boomHeightMetres) + "m");
        parts.emplace_back(rowOf(kSoils, options.soil).word);
    } else {
        parts.push_back("freespace");
    }
    parts.push_back(options.shape == LoopShape::Diamond ? "diamond" : "square");
    parts.emplace_back(rowOf(kConductors, options.conductor).word);
    parts.push_back(insulationPart(options.insulation));
    return parts;
}

}  // namespace

std::string checkFileStem(const CalculatedDesign& design, const CheckOptions& options) {
    std::string stem = "quad-" + singleText(design.freq).str() + "MHz-" + integerText(design.elementCount) + "el-awg" +
                       integerText(design.gauge) + "-" + slug(captionOf(design.type));
    for (const std::string& part : modelParts(options)) stem += "-" + part;
    return stem;
}

}  // namespace loopbeam::nec
