#pragma once
// The soils a quad stands over, as the NEC-2 check offers them: the ground
// constants of the tables the README names, under a Sommerfeld-Norton
// ground (GN 2).

#include <array>
#include <string_view>

namespace loopbeam::nec {

enum class Soil { SaltWater, FreshWater, Pastoral, Average, Rocky, Sandy, City, VeryDry };

struct SoilRow {
    Soil key;
    std::string_view word, name;
    double permittivity;  // relative
    double conductivity;  // S/m
};

inline constexpr std::array<SoilRow, 8> kSoils{{
    {Soil::SaltWater, "salt-water", "salt water", 80, 5},
    {Soil::FreshWater, "fresh-water", "fresh water", 80, 0.001},
    {Soil::Pastoral, "pastoral", "pastoral ground", 14, 0.01},
    {Soil::Average, "average", "average ground", 13, 0.005},
    {Soil::Rocky, "rocky", "rocky ground", 12, 0.002},
    {Soil::Sandy, "sandy", "sandy ground", 10, 0.002},
    {Soil::City, "city", "city ground", 5, 0.001},
    {Soil::VeryDry, "very-dry", "very dry ground", 3, 0.0001},
}};

}  // namespace loopbeam::nec
