// The spider's cut list without the engine: each arm from the hub to its
// loop's corner measured on the loop as laid, the longest arm each side of the
// hub, a tuned loop's calculated wire, and the CSV as a spreadsheet reads it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>

#include "csv_read_back.h"
#include "design/messages.h"
#include "nec/multiband/spider_cut_sheet.h"

namespace loopbeam::nec {
namespace {

constexpr double kInch = 0.0254;

// The loop's top corner: a diamond's feed wire cuts only its bottom one.
double topCornerHeight(const SpiderLoop& loop, double centreZ) {
    double top = -INFINITY;
    for (const Wire& w : loop.wires.wires) top = std::max({top, w.from.z - centreZ, w.to.z - centreZ});
    return top;
}

TEST(SpiderCut, EachArmReachesItsLoopsCornerAlongTheLeaningArm) {
    const auto design = designBands({"14.2", "21.2", "28.5"}, 14, messages::forCommandLine);
    ASSERT_TRUE(design);
    for (const LoopShape shape : {LoopShape::Square, LoopShape::Diamond}) {
        SCOPED_TRACE(shape == LoopShape::Square ? "square" : "diamond");
        const auto spider = buildSpider(*design, {shape, 12.0}, UnusedFeeds::Closed);
        ASSERT_TRUE(spider);
        const SpiderCut cut = spiderCut(*design, *spider, nullptr);
        ASSERT_EQ(cut.rows.size(), 6u);
        const double angle = spider->armAngleDegrees * std::numbers::pi / 180;
        for (std::size_t i = 0; i < cut.rows.size(); ++i) {
            const SpiderCutRow& row = cut.rows[i];
            SCOPED_TRACE(i);
            // A square's corner stands half its diagonal out, a diamond's top corner straight above the boom.
            const double corner = shape == LoopShape::Square ? row.wireMetres / (4 * std::sqrt(2.0))
                                                             : topCornerHeight(spider->loops[i], spider->centreZMetres);
            EXPECT_NEAR(row.armMetres * std::sin(angle), corner, 1e-9);
            EXPECT_NEAR(row.armMetres * std::cos(angle), std::abs(row.positionMetres), 1e-9);
            EXPECT_EQ(row.positionMetres < 0, !row.driven);
            EXPECT_DOUBLE_EQ(row.sideMetres * 4, row.wireMetres);
            EXPECT_LE(row.armMetres, (row.driven ? cut.front : cut.back).metres);
        }
        // The lowest band's loops are the largest: they set each side's arms.
        EXPECT_EQ(cut.back.row, 0u);
        EXPECT_EQ(cut.front.row, 1u);
        EXPECT_FALSE(cut.tuned);
    }
}

TEST(SpiderCut, ATunedListCarriesTheCalculatedWireAndReadsBackAsNumbers) {
    const auto design = designBands({"14.2", "21.2"}, 14, messages::forCommandLine);
    ASSERT_TRUE(design);
    const auto calculated = buildSpider(*design, {}, UnusedFeeds::Closed);
    ASSERT_TRUE(calculated);
    SpiderTuned tuned;
    tuned.spider = *calculated;
    resizeLoop(tuned.spider, 3, calculated->loops[3].perimeterMetres * 0.98);
    const SpiderCut cut = spiderCut(*design, *calculated, &tuned);
    for (std::size_t i = 0; i < cut.rows.size(); ++i)
        EXPECT_EQ(cut.rows[i].calculatedWireMetres.has_value(), i == 3) << i;
    EXPECT_EQ(cut.rows[3].calculatedWireMetres, calculated->loops[3].perimeterMetres);
    EXPECT_LT(cut.rows[3].armMetres, spiderCut(*design, *calculated, nullptr).rows[3].armMetres);

    const SpiderCutSheet sheet = spiderCutSheet(*design, cut, "");
    const std::string csv = spiderCutCsv(sheet);
    EXPECT_TRUE(csv.starts_with("# Cut list: two-element quad for 14.2 and 21.2 MHz on one spider, AWG 14, tuned"))
        << csv;
    EXPECT_NE(csv.find("\n# Each band has a feed line of its own"), std::string::npos);
    EXPECT_NE(spiderCutText(sheet).find("a common feed is not offered"), std::string::npos);

    // A line a row, in the list's order: every length as the row has it, the inches its metres over 0.0254.
    std::istringstream read(readBack(csv));
    std::string line;
    for (const SpiderCutRow& row : cut.rows) {
        ASSERT_TRUE(std::getline(read, line));
        SCOPED_TRACE(line);
        std::istringstream fields(line);
        std::string element, field;
        fields >> element;
        EXPECT_EQ(element, row.driven ? "driven" : "reflector");
        std::map<std::string, double> number;
        while (fields >> field) number[field.substr(0, field.find('='))] = std::stod(field.substr(field.find('=') + 1));
        const std::pair<const char*, double> lengths[] = {{"wire", row.wireMetres},
                                                          {"side", row.sideMetres},
                                                          {"arm", row.armMetres},
                                                          {"position", row.positionMetres}};
        for (const auto& [name, metres] : lengths) {
            EXPECT_NEAR(number.at(name + std::string("_m")), metres, 1e-6) << name;
            EXPECT_NEAR(number.at(name + std::string("_in")), metres / kInch, 1e-3) << name;
        }
        const double before = row.calculatedWireMetres.value_or(row.wireMetres);
        EXPECT_NEAR(number.at("change_percent"), (row.wireMetres - before) / before * 100, 1e-4);
    }
    EXPECT_FALSE(std::getline(read, line)) << line;
}

}  // namespace
}  // namespace loopbeam::nec
