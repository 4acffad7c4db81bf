// A check's files are named for the design and the model, so that two models
// of one design keep apart; the notes say what a design's name leaves out.

#include <gtest/gtest.h>

#include "nec/model/design_input.h"
#include "nec/model/file_stem.h"

namespace loopbeam::nec {
namespace {

CalculatedDesign design(float mhz, std::int16_t elements, std::int16_t gauge, DesignType type,
                        std::int16_t typeElements) {
    CalculatedDesign d;
    d.freq = mhz;
    d.elementCount = elements;
    d.gauge = gauge;
    d.type = type;
    d.typeElementCount = typeElements;
    return d;
}

TEST(FileNames, TheStemCarriesTheDesignAndTheModel) {
    struct Case {
        CalculatedDesign design;
        CheckOptions options;
        const char* stem;
    };
    const Case cases[] = {
        {design(14.2f, 3, 14, DesignType::StandardHighGain, 3),
         {},
         "quad-14.2MHz-3el-awg14-standard-high-gain-freespace-square-copper-bare"},
        {design(14.2f, 3, 14, DesignType::StandardHighGain, 3),
         {LoopShape::Diamond, 10.0},
         "quad-14.2MHz-3el-awg14-standard-high-gain-ground10m-average-diamond-copper-bare"},
        {design(432.1f, 4, 10, DesignType::DoubleReflector, 4),
         {.shape = LoopShape::Square,
          .boomHeightMetres = 12.5,
          .soil = Soil::SaltWater,
          .conductor = Conductor::Aluminium,
          .insulation = insulationOf(0.5, Dielectric::Pvc)},
         "quad-432.1MHz-4el-awg10-double-reflector-ground12.5m-salt-water-square-aluminium-pvc0.5mm"},
        {design(28.5f, 8, 12, DesignType::Special4or8, 8),
         {.shape = LoopShape::Diamond, .soil = Soil::VeryDry, .insulation = Insulation{0.4, 2.8}},
         "quad-28.5MHz-8el-awg12-special-4-or-8-element-freespace-diamond-copper-insulated0.4mm-er2.8"},
    };
    for (const Case& c : cases) EXPECT_EQ(checkFileStem(c.design, c.options), c.stem);
}

TEST(FileNames, NotesSayWhatTheNameLeavesOut) {
    struct Case {
        CalculatedDesign design;
        std::vector<std::string> notes;
    };
    const Case cases[] = {
        {design(144.2f, 6, 14, DesignType::StandardHighGain, 3),
         {"STANDARD HIGH GAIN: the constants are those of 3 elements, the count when the type was clicked."}},
        {design(144.2f, 6, 14, DesignType::StandardHighGain, 6), {}},
        {design(144.2f, 6, 14, DesignType::DoubleReflector, 3),
         {"DOUBLE REFLECTOR: one reflector is sized, and one is modelled."}},
        {design(144.2f, 8, 14, DesignType::Special4or8, 4), {}},  // its constants do not follow the count
    };
    for (const Case& c : cases) EXPECT_EQ(designNotes(c.design), c.notes);
}

}  // namespace
}  // namespace loopbeam::nec
