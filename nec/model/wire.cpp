#include "nec/model/wire.h"

#include <cmath>
#include <numbers>

#include "common/choice_list.h"
#include "nec/choice_table.h"
#include "nec/printf_text.h"

namespace loopbeam::nec {

namespace {

constexpr double kVacuumPermeability = 4e-7 * std::numbers::pi;  // H/m, as NEC-2 takes it

}  // namespace

Insulation insulationOf(double thicknessMm, Dielectric material) {
    return {thicknessMm, rowOf(kDielectrics, material).permittivity, material};
}

std::optional<std::string> insulationFault(const Insulation& insulation) {
    const double t = insulation.thicknessMm, er = insulation.permittivity;
    if (!(t > 0 && t <= kMaxInsulationMm))
        return printfText(
            "The insulation must be more than 0 mm and at most %g mm thick, not %g mm. Give the thickness of "
            "the wire's covering in millimetres.",
            kMaxInsulationMm, t);
    if (!(er > 1 && er <= kMaxInsulationPermittivity))
        return printfText(
                   "The insulation's relative permittivity must be above 1 and at most %g, not %g. Give the "
                   "permittivity of the wire's covering, for example ",
                   kMaxInsulationPermittivity, er) +
               choiceList(kDielectrics,
                          [](const DielectricRow& row) {
                              return printfText("%g for %s", row.permittivity, std::string(row.name).c_str());
                          }) +
               ".";
    return std::nullopt;
}

double seriesInductancePerMetre(double conductorRadiusMetres, const Insulation& insulation) {
    const double outside = conductorRadiusMetres + insulation.thicknessMm * kMetresPerMm;
    return kVacuumPermeability / (2 * std::numbers::pi) * (1 - 1 / insulation.permittivity) *
           std::log(outside / conductorRadiusMetres);
}

std::string insulationText(const Insulation& insulation) {
    if (insulation.material)
        return printfText("%g mm %s insulation (permittivity %g)", insulation.thicknessMm,
                          std::string(rowOf(kDielectrics, *insulation.material).name).c_str(), insulation.permittivity);
    return printfText("%g mm insulation of permittivity %g", insulation.thicknessMm, insulation.permittivity);
}

std::string wireText(Conductor conductor, const std::optional<Insulation>& insulation) {
    const std::string metal(rowOf(kConductors, conductor).word);
    return insulation ? metal + " wire with " + insulationText(*insulation) : "bare " + metal + " wire";
}

}  // namespace loopbeam::nec
