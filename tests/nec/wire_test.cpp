// The wire and the soil the check models: the insulation's inductance worked
// by hand, its refusals, and the cards and comments that carry the choices.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "nec/check.h"
#include "nec/check_report.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

TEST(Wire, TheInsulationsInductanceWorkedByHand) {
    struct Case {
        const char* wire;
        double radius;  // half the gauge's diameter, metres
        Insulation insulation;
        double henriesPerMetre;
    };
    // 2e-7 (1 - 1/er) ln(b/a):
    // AWG 14, 0.5 mm PVC: ln(1.3128 / 0.8128) = 0.479432, 1 - 1/3.5 = 0.714286 -> 6.84904e-8.
    // AWG 10, 1 mm PTFE: ln(2.2827 / 1.2827) = 0.576392, 1 - 1/2.1 = 0.523810 -> 6.03839e-8.
    const Case cases[] = {
        {"AWG 14, 0.5 mm PVC", 0.0008128, {0.5, 3.5}, 6.84904e-8},
        {"AWG 10, 1 mm PTFE", 0.0012827, {1.0, 2.1}, 6.03839e-8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wire);
        EXPECT_NEAR(seriesInductancePerMetre(c.radius, c.insulation), c.henriesPerMetre, 1e-5 * c.henriesPerMetre);
    }
}

TEST(Wire, NonsenseIsRefusedWithWhatIsAccepted) {
    struct Case {
        double thicknessMm, permittivity;
        const char* says;  // empty: accepted
    };
    constexpr const char* kThickness = "must be more than 0 mm and at most 5 mm thick";
    constexpr const char* kPermittivity = "relative permittivity must be above 1 and at most 10";
    const Case cases[] = {
        {0, 3.5, kThickness},
        {-0.5, 3.5, kThickness},
        {5.01, 3.5, kThickness},
        {NAN, 3.5, kThickness},
        {0.5, 1, kPermittivity},
        {0.5, 0.5, kPermittivity},
        {0.5, 10.01, kPermittivity},
        {0.5, NAN, kPermittivity},
        {0.5, INFINITY, kPermittivity},
        {5, 10, ""},
        {0.01, 1.01, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.thicknessMm) + " mm, " + std::to_string(c.permittivity));
        CheckOptions options;
        options.insulation = Insulation{c.thicknessMm, c.permittivity};
        const auto model = buildModel(quad14MHz(), options);
        if (*c.says == '\0') {
            EXPECT_TRUE(model) << model.error().message;
            continue;
        }
        ASSERT_FALSE(model);
        EXPECT_NE(model.error().message.find(c.says), std::string::npos) << model.error().message;
    }
}

std::vector<std::string> cardsOf(const std::string& deck, std::string_view kind) {
    std::vector<std::string> cards;
    std::istringstream lines(deck);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(kind)) cards.push_back(line);
    return cards;
}

std::vector<double> numbersOf(const std::string& card) {
    std::istringstream words(card.substr(2));
    std::vector<double> numbers;
    for (double n; words >> n;) numbers.push_back(n);
    return numbers;
}

// One LD card a kind, tag 0 and no segment range (every segment of every
// wire), after the geometry and before the excitation.
TEST(Wire, TheDeckCarriesTheWireAndTheSoil) {
    struct Case {
        const char* name;
        CheckOptions options;
        double conductivity;
        std::optional<double> henriesPerMetre;
        std::vector<double> ground;  // GN 2's permittivity and conductivity
        std::vector<const char*> comments;
        const char* conditions;
    };
    CheckOptions pvcAluminium, saltWater, ownPermittivity;
    pvcAluminium.insulation = insulationOf(0.5, Dielectric::Pvc);
    pvcAluminium.conductor = Conductor::Aluminium;
    saltWater.boomHeightMetres = 12;
    saltWater.soil = Soil::SaltWater;
    ownPermittivity.boomHeightMetres = 20;
    ownPermittivity.soil = Soil::VeryDry;
    ownPermittivity.insulation = Insulation{0.5, 3.5};
    const Case cases[] = {
        {"bare copper in free space",
         {},
         5.8e7,
         std::nullopt,
         {},
         {"loopbeam NEC-2 check: square loops in free space", "Wire: bare copper, 1.626 mm across, 5.8e+07 S/m"},
         "free space, square loops, bare copper wire, 140 segments"},
        {"PVC on aluminium",
         pvcAluminium,
         3.5e7,
         6.84904e-8,
         {},
         {"Wire: aluminium, 1.626 mm across, 3.5e+07 S/m (LD 5), with 0.5 mm PVC insulation (permittivity 3.5) as "
          "6.849e-08 H/m in series (LD 2)"},
         "free space, square loops, aluminium wire with 0.5 mm PVC insulation (permittivity 3.5), 140 segments"},
        {"over salt water",
         saltWater,
         5.8e7,
         std::nullopt,
         {80, 5},
         {"boom 12 m high over salt water", "Ground: salt water, permittivity 80, 5 S/m"},
         "salt water, boom 12.0 m high, square loops, bare copper wire, 140 segments"},
        {"a permittivity of the user's own over very dry ground",
         ownPermittivity,
         5.8e7,
         6.84904e-8,
         {3, 0.0001},
         {"with 0.5 mm insulation of permittivity 3.5", "Ground: very dry ground, permittivity 3, 0.0001 S/m"},
         "very dry ground, boom 20.0 m high, square loops, copper wire with 0.5 mm insulation of permittivity 3.5, "
         "140 segments"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto model = buildModel(quad14MHz(), c.options);
        ASSERT_TRUE(model) << model.error().message;
        const std::string deck = wholeDeck(*model);
        const auto loads = cardsOf(deck, "LD");
        ASSERT_EQ(loads.size(), c.henriesPerMetre ? 2u : 1u) << deck;
        EXPECT_EQ(numbersOf(loads[0]), (std::vector<double>{5, 0, 0, 0, c.conductivity}));
        if (c.henriesPerMetre) {
            const auto ld2 = numbersOf(loads[1]);
            ASSERT_EQ(ld2.size(), 6u) << loads[1];  // the capacitance blank: no capacitor
            EXPECT_EQ(std::vector<double>(ld2.begin(), ld2.begin() + 5), (std::vector<double>{2, 0, 0, 0, 0}));
            EXPECT_NEAR(ld2[5], *c.henriesPerMetre, 1e-5 * *c.henriesPerMetre);
        }
        EXPECT_LT(deck.find("\nGE "), deck.find("\nLD "));
        EXPECT_LT(deck.rfind("\nLD "), deck.find("\nEX "));
        const auto grounds = cardsOf(deck, "GN");
        if (c.ground.empty()) {
            EXPECT_TRUE(grounds.empty());
        } else {
            ASSERT_EQ(grounds.size(), 1u);
            EXPECT_EQ(numbersOf(grounds[0]), (std::vector<double>{2, 0, 0, 0, c.ground[0], c.ground[1]}));
        }
        std::string comments;  // a long comment goes on over several cards
        for (const std::string& card : cardsOf(deck, "CM")) comments += card.substr(3) + " ";
        for (const char* comment : c.comments) EXPECT_NE(comments.find(comment), std::string::npos) << comments;
        EXPECT_EQ(conditionsOf(*model), c.conditions);
    }
}

}  // namespace
}  // namespace loopbeam::nec
