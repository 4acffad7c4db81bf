#pragma once
// The wire a builder uses: its conductor and its insulation, as NEC-2 can
// model them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace loopbeam::nec {

enum class Conductor { Copper, Aluminium };

struct ConductorRow {
    Conductor key;
    std::string_view word;
    double conductivity;  // S/m, on the LD type 5 card
};

// Copper: the annealed copper standard. Aluminium: about 60% of it, as
// electrical-grade aluminium (alloy 1350) conducts; the alloys of fence wire
// conduct somewhat less, but a 14.2 MHz quad loses only 0.06 dB more gain in
// aluminium than in copper, so the difference hardly shows.
inline constexpr std::array<ConductorRow, 2> kConductors{{
    {Conductor::Copper, "copper", 5.8e7},
    {Conductor::Aluminium, "aluminium", 3.5e7},
}};

enum class Dielectric { Pvc, Polyethylene, Ptfe };

struct DielectricRow {
    Dielectric key;
    std::string_view word, name;
    double permittivity;  // relative, at HF
};

// Sources in the README's table of insulations.
inline constexpr std::array<DielectricRow, 3> kDielectrics{{
    {Dielectric::Pvc, "pvc", "PVC", 3.5},
    {Dielectric::Polyethylene, "polyethylene", "polyethylene", 2.3},
    {Dielectric::Ptfe, "ptfe", "PTFE", 2.1},
}};

inline constexpr double kMetresPerMm = 1e-3;

// Thicker coverings than this are not wire insulation; no plastic or rubber
// on wire has a relative permittivity above the upper limit at HF.
inline constexpr double kMaxInsulationMm = 5;
inline constexpr double kMaxInsulationPermittivity = 10;

struct Insulation {
    double thicknessMm = 0;
    double permittivity = 1;
    std::optional<Dielectric> material = std::nullopt;  // when it was chosen by its name

    bool operator==(const Insulation&) const = default;
};

Insulation insulationOf(double thicknessMm, Dielectric material);

// What is wrong with the insulation, and what is accepted.
std::optional<std::string> insulationFault(const Insulation& insulation);

// The series inductance a metre that stands in for the insulation:
// (mu0 / 2 pi) (1 - 1/er) ln(b/a), a the conductor's radius, b the outside radius.
double seriesInductancePerMetre(double conductorRadiusMetres, const Insulation& insulation);

// "0.5 mm PVC insulation (permittivity 3.5)", "0.4 mm insulation of permittivity 2.8"
std::string insulationText(const Insulation& insulation);

// "bare copper wire", "copper wire with 0.5 mm PVC insulation (permittivity 3.5)"
std::string wireText(Conductor conductor, const std::optional<Insulation>& insulation);

}  // namespace loopbeam::nec
