// The wire and the soil the check models: the insulation's inductance worked
// by hand, its refusals, and the cards and comments that carry the choices.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "nec/check/check.h"
#include "nec/check/check_report.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

TEST(Wire, TheInsulationsInductanceWorkedByHand) {
    // 2e-7 (1 - 1/er) ln(b/a), a half the gauge's diameter:
    // AWG 14, 0.5 mm PVC: ln(1.3128 / 0.8128) = 0.479432, 1 - 1/3.5 = 0.714286: 6.84904e-8 H/m.
    // AWG 10, 1 mm PTFE: ln(2.2827 / 1.2827) = 0.576392, 1 - 1/2.1 = 0.523810: 6.03839e-8 H/m.
    EXPECT_NEAR(seriesInductancePerMetre(0.0008128, {0.5, 3.5}), 6.84904e-8, 1e-12);
    EXPECT_NEAR(seriesInductancePerMetre(0.0012827, {1.0, 2.1}), 6.03839e-8, 1e-12);
}

TEST(Wire, NonsenseIsRefusedWithWhatIsAccepted) {
    const char* thickness = "must be more than 0 mm and at most 5 mm thick";
    const char* permittivity = "relative permittivity must be above 1 and at most 10, not";
    const std::tuple<double, double, const char*> cases[] = {
        {0, 3.5, thickness},    {5.01, 3.5, thickness},     {NAN, 3.5, thickness},
        {0.5, 1, permittivity}, {0.5, 10.01, permittivity}, {0.5, INFINITY, permittivity},
        {5, 10, nullptr},       {0.01, 1.01, nullptr},  // the limits themselves are accepted
    };
    for (const auto& [mm, er, says] : cases) {
        SCOPED_TRACE(std::to_string(mm) + " mm, er " + std::to_string(er));
        const auto model = buildModel(quad14MHz(), {.insulation = Insulation{mm, er}});
        ASSERT_EQ(static_cast<bool>(model), says == nullptr);
        if (says) {
            EXPECT_NE(model.error().message.find(says), std::string::npos) << model.error().message;
        }
    }
}

std::vector<std::vector<double>> cardsOf(const std::string& deck, const std::string& kind) {
    std::vector<std::vector<double>> cards;
    std::istringstream lines(deck);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(kind + " ")) continue;
        std::istringstream words(line.substr(3));
        cards.emplace_back();
        for (double n; words >> n;) cards.back().push_back(n);
    }
    return cards;
}

// One LD card a kind with tag 0 and no segment range: every segment of every
// wire. The insulation's capacitance is left blank: no capacitor.
TEST(Wire, TheDeckCarriesTheWireAndTheSoil) {
    struct Case {
        CheckOptions options;
        std::vector<std::vector<double>> loads, grounds;
        const char *comment, *conditions;
    };
    const Case cases[] = {
        {{.conductor = Conductor::Aluminium, .insulation = insulationOf(0.5, Dielectric::Pvc)},
         {{5, 0, 0, 0, 3.5e7}, {2, 0, 0, 0, 0, 6.84904e-8}},
         {},
         "Wire: aluminium, 1.626 mm across, 3.5e+07 S/m (LD 5), with 0.5 mm PVC insulation (permittivity 3.5) as "
         "6.849e-08 H/m in series (LD 2)",
         "free space, square loops, aluminium wire with 0.5 mm PVC insulation (permittivity 3.5), 140 segments"},
        {{.boomHeightMetres = 20.0, .soil = Soil::VeryDry, .insulation = Insulation{0.5, 3.5}},
         {{5, 0, 0, 0, 5.8e7}, {2, 0, 0, 0, 0, 6.84904e-8}},
         {{2, 0, 0, 0, 3, 0.0001}},
         "boom 20 m high over very dry ground Wire: copper, 1.626 mm across, 5.8e+07 S/m (LD 5), with 0.5 mm "
         "insulation of permittivity 3.5 as 6.849e-08 H/m in series (LD 2) Ground: very dry ground, permittivity 3, "
         "0.0001 S/m, Sommerfeld-Norton (GN 2)",
         "very dry ground, boom 20 m high, square loops, copper wire with 0.5 mm insulation of permittivity 3.5, "
         "140 segments"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conditions);
        const auto model = buildModel(quad14MHz(), c.options);
        ASSERT_TRUE(model) << model.error().message;
        const std::string deck = wholeDeck(*model);
        EXPECT_EQ(cardsOf(deck, "LD"), c.loads);  // L' as %.6g prints it
        EXPECT_EQ(cardsOf(deck, "GN"), c.grounds);
        EXPECT_LT(deck.rfind("\nLD "), deck.find("\nEX "));
        std::string comments;  // a long comment goes on over several cards
        std::istringstream lines(deck);
        for (std::string line; std::getline(lines, line) && line.starts_with("CM ");) comments += line.substr(3) + " ";
        EXPECT_NE(comments.find(c.comment), std::string::npos) << comments;
        EXPECT_EQ(conditionsOf(*model), c.conditions);
    }
}

}  // namespace
}  // namespace loopbeam::nec
