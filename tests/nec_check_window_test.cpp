// The check window on real nec2c runs: it shows what the core found, its
// Cancel and its close leave no engine process or file behind, and the main
// window's entries say what to do before there is a design.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <fstream>
#include <functional>

#include "mainwindow/tarnwell.h"
#include "nec/check/sweep_files.h"
#include "nec/cut/cut_lengths.h"
#include "nec/measured/as_cut.h"
#include "necwindow/check_entries.h"
#include "necwindow/opening_place.h"
#include "necwindow/panels/model_options.h"
#include "tests/check_window_support.h"
#include "tests/cli_run.h"
#include "tests/nec/measured_builds.h"

namespace loopbeam {
namespace {

using testing::calculate;
using testing::checkedWindow;
using testing::child;
using testing::pointsOf;

// A panel's controls, found by the names a screen reader speaks.
struct ModelControls {
    explicit ModelControls(const QWidget& panel) {
        for (auto* box : panel.findChildren<QAbstractSpinBox*>()) spins[box->accessibleName()] = box;
        for (auto* box : panel.findChildren<QComboBox*>()) combos[box->accessibleName()] = box;
        for (auto* button : panel.findChildren<QRadioButton*>()) radios[button->text().remove('&')] = button;
    }
    void spin(const char* name, double value) { static_cast<QDoubleSpinBox*>(spins.value(name))->setValue(value); }
    void pick(const char* name, const char* item) {
        QComboBox* box = combos.value(name);
        box->setCurrentIndex(box->findText(QLatin1String(item)));
        ASSERT_EQ(box->currentText(), QLatin1String(item));
    }
    void click(const char* caption) { radios.value(caption)->click(); }

    QMap<QString, QAbstractSpinBox*> spins;
    QMap<QString, QComboBox*> combos;
    QMap<QString, QRadioButton*> radios;
};

TEST(ModelOptions, TheControlsGiveTheOptionsAndSayWhenTheyChange) {
    struct Case {
        const char* name;
        std::function<void(ModelControls&)> choose;
        nec::CheckOptions expected;
    };
    const Case cases[] = {
        {"diamonds over salt water",
         [](ModelControls& c) {
             c.click("Over ground, boom height");
             c.spin("Boom height over ground, metres", 12);
             c.pick("Soil under the antenna", "Salt water");
             c.click("Diamond loops, fed at a corner");
         },
         {.shape = nec::LoopShape::Diamond, .boomHeightMetres = 12.0, .soil = nec::Soil::SaltWater}},
        {"a soil without a height stays out of the model",
         [](ModelControls& c) { c.pick("Soil under the antenna", "Very dry ground"); },
         {}},
        {"a permittivity of the user's own on aluminium",
         [](ModelControls& c) {
             c.pick("Wire conductor", "Aluminium");
             c.pick("Wire insulation", "Other permittivity");
             c.spin("Insulation thickness, millimetres", 1.2);
             c.spin("Insulation relative permittivity", 2.8);
         },
         {.conductor = nec::Conductor::Aluminium, .insulation = nec::Insulation{1.2, 2.8}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelOptions panel;
        ModelControls controls(panel);
        ASSERT_EQ(controls.spins.size() + controls.combos.size(), 6);  // each named, none twice
        int changes = 0;
        QObject::connect(&panel, &ModelOptions::changed, &panel, [&] { ++changes; });
        c.choose(controls);
        EXPECT_TRUE(panel.options() == c.expected);
        EXPECT_GT(changes, 0);  // every choice is told, even one that leaves the model as it was
    }
}

// Both edges typed are the band, none the estimated range; anything else is refused with what to do.
TEST(ModelOptions, TheWorkingBandIsBothEdgesOrNone) {
    struct Case {
        const char* low;
        const char* high;
        std::optional<nec::Band> band;
        const char* refused;  // the start of the message, or null
    };
    const Case cases[] = {
        {"", "", std::nullopt, nullptr},
        {" 14.0", "14.35 ", nec::Band{14.0, 14.35}, nullptr},
        {"14.0", "", std::nullopt, "Give both edges of the band"},
        {"14.35", "14.0", std::nullopt, "The band's edges must be"},
        {"14,0", "14,35", std::nullopt, "The band's edges must be"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.low) + " to " + c.high);
        ModelOptions panel;
        QLineEdit *low = nullptr, *high = nullptr;
        for (auto* edit : panel.findChildren<QLineEdit*>()) {
            if (edit->accessibleName() == "Working band's low edge, MHz") low = edit;
            if (edit->accessibleName() == "Working band's high edge, MHz") high = edit;
        }
        ASSERT_TRUE(low && high);
        int changes = 0;
        QObject::connect(&panel, &ModelOptions::changed, &panel, [&] { ++changes; });
        QTest::keyClicks(low, c.low);
        QTest::keyClicks(high, c.high);
        const auto band = panel.band();
        ASSERT_EQ(band.has_value(), c.refused == nullptr);
        if (c.refused)
            EXPECT_TRUE(band.error().message.starts_with(c.refused)) << band.error().message;
        else
            EXPECT_EQ(*band, c.band);
        EXPECT_EQ(panel.options().band, c.refused ? std::nullopt : c.band);
        EXPECT_EQ(changes > 0, std::string(c.low) + c.high != "");
    }
}

TEST(NecCheckWindow, ShowsWhatTheCoreFound) {
    DesignState state;
    TARNWELL window(state);
    calculate(window, 3);
    ASSERT_TRUE(checkedWindow(window));
    const NecCheckWindow& check = *window.checkWindow();
    const nec::CheckResult& result = *check.result();
    const QList<QPointF> swr = pointsOf(check, "swrChart", "swrSection");
    const QList<QPointF> reactance = pointsOf(check, "impedanceChart", "reactance");
    ASSERT_EQ(swr.size(), static_cast<qsizetype>(result.sweep.size()));
    ASSERT_EQ(reactance.size(), swr.size());
    for (std::size_t i = 0; i < result.sweep.size(); ++i) {
        EXPECT_EQ(swr[i].x(), result.sweep[i].mhz);
        EXPECT_EQ(swr[i].y(), result.sweep[i].swrThroughSection);  // above the top too: the chart clips it
        EXPECT_EQ(reactance[i].y(), result.sweep[i].feedImpedance.imag());
    }
    EXPECT_EQ(pointsOf(check, "azimuthChart", "pattern").size(),
              static_cast<qsizetype>(result.azimuthPattern.size() + 1));  // closed at 360 degrees
    // Marked only where a curve crosses the top: at the sweep's ends it starts above it, cut by the frame.
    ASSERT_GT(result.sweep.front().swrThroughSection, 5);
    const QList<QPointF> marks = pointsOf(check, "swrChart", "offTheChart");
    EXPECT_FALSE(marks.isEmpty());
    for (const QPointF& mark : marks) {
        EXPECT_GT(mark.x(), result.sweep.front().mhz);
        EXPECT_LT(mark.x(), result.sweep.back().mhz);
    }

    testing::expectAccessKeysUnique(check);

    // Another wire, then the same again: the results are stale, then current.
    auto* stale = child<QLabel>(check, "stale");
    EXPECT_FALSE(stale->isVisibleTo(&check));
    ModelControls model(*check.findChild<ModelOptions*>());
    model.pick("Wire insulation", "PVC (3.5)");
    EXPECT_TRUE(stale->isVisibleTo(&check));
    EXPECT_TRUE(stale->text().contains("the model's options have changed. Press Check again"));
    model.pick("Wire insulation", "Bare");
    EXPECT_FALSE(stale->isVisibleTo(&check));

    // The main window moves on: the results belong to the earlier design.
    child<QScrollBar>(window, "vsbEl")->setValue(4);
    EXPECT_TRUE(stale->isVisibleTo(&check));
    EXPECT_TRUE(stale->text().contains("earlier design 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN"));
    EXPECT_TRUE(stale->text().contains("CALCULATE/FEET & INCHES in the main window, then Check again"));
}

// Over ground, with a heading that carries a note, at the window's minimum
// size: every chart keeps 200 pixels, within the window, and every wrapped
// text all its lines.
TEST(NecCheckWindow, AtItsMinimumSizeEveryChartStaysReadable) {
    struct Case {
        bool overGround;
        int elementsAtClick, elements;
        const char* typeOption;
        const char* note;
    };
    const Case cases[] = {
        {false, 3, 4, "Option1", "STANDARD HIGH GAIN: the constants are those of 3 elements, the count when the type"},
        {true, 3, 3, "Option3", "DOUBLE REFLECTOR: one reflector is sized, and one is modelled."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overGround ? "over ground" : "free space");
        DesignState state;
        TARNWELL window(state);
        calculate(window, c.elementsAtClick, c.elements, c.typeOption);
        ASSERT_TRUE(checkedWindow(window));
        NecCheckWindow& check = *window.checkWindow();
        if (c.overGround) {
            for (auto* option : check.findChildren<QRadioButton*>())
                if (option->text().remove('&').contains("ground")) option->click();
            ModelControls(*check.findChild<ModelOptions*>()).pick("Soil under the antenna", "Salt water");
            QTest::mouseClick(child<QPushButton>(check, "run"), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !check.runner().running(); }, 60000));
            ASSERT_GT(check.result()->elevationPattern.size(),
                      181u);  // the upper half and its fine window: over ground
            EXPECT_TRUE(
                child<QLabel>(check, "elevationChartCaption")->text().contains("over salt water, the boom 15 m high"));
        }
        EXPECT_TRUE(child<QLabel>(check, "heading")->text().contains(c.note));

        check.resize(1, 1);  // as small as it goes
        auto* tabs = child<QTabWidget>(check, "charts");
        ASSERT_EQ(tabs->count(), 8);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            SCOPED_TRACE(tabs->tabText(tab).toStdString());
            for (const char* name :
                 {"swrChart", "impedanceChart", "gainChart", "smithChart", "azimuthChart", "elevationChart"}) {
                auto* chart = check.findChild<QWidget*>(name);
                if (!chart || !chart->isVisible()) continue;
                EXPECT_GE(chart->height(), 200) << name;
                EXPECT_LE(chart->mapTo(&check, QPoint(0, chart->height())).y(), check.height()) << name;
            }
            for (const auto* label : check.findChildren<QLabel*>()) {
                if (!label->isVisible() || !label->wordWrap()) continue;
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
            }
        }
    }
}

// A save suggests a name that carries the model checked, and says where the file went.
TEST(NecCheckWindow, ASaveIsNamedForTheModelAndSaysWhereItWent) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    for (auto* option : check.findChildren<QRadioButton*>())
        if (option->text().remove('&').startsWith("Diamond")) option->click();
    QTest::mouseClick(child<QPushButton>(check, "run"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !check.runner().running(); }, 30000));

    QTemporaryDir folder;
    const QString path = folder.filePath("quad.s1p");
    const QString suggested =
        testing::saveThroughDialog(*testing::buttonCaptioned(check, QStringLiteral("Save &Touchstone...")), path);
    EXPECT_EQ(suggested, "quad-14.2MHz-3el-awg14-standard-high-gain-freespace-diamond-copper-bare.s1p");
    EXPECT_TRUE(QFileInfo::exists(path));
    auto* saved = child<QLabel>(check, "saved");
    EXPECT_TRUE(saved->isVisibleTo(&check));
    EXPECT_EQ(saved->text(), "Saved as " + path);
}

// An analyser's sweep beside the model: a broken file is refused with the
// reader's message and draws nothing; a good one draws its SWR on the chart
// and fills the summary's Measured column.
TEST(NecCheckWindow, OpensAMeasurementBesideTheModel) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    ASSERT_NE(check.findChild<QPushButton*>("openMeasurement"), nullptr);
    QTemporaryDir folder;
    const auto put = [&](const char* name, const char* text) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return folder.filePath(name);
    };
    EXPECT_FALSE(check.openMeasurement(put("broken.s1p", "# MHz S RI R 50\n14.2 0.1\n")));
    auto* message = child<QLabel>(check, "message");
    EXPECT_TRUE(message->isVisibleTo(&check));
    EXPECT_TRUE(message->text().contains("broken.s1p: line 2: a one-port data line")) << message->text().toStdString();
    const auto drawsMeasured = [&] {
        const auto series = child<QChartView>(check, "swrChart")->chart()->series();
        return std::any_of(series.begin(), series.end(), [](auto* s) { return s->objectName() == "swrMeasured"; });
    };
    EXPECT_FALSE(drawsMeasured());

    // 50 ohms at 14.2 MHz, SWR 2 at 14.0 and 14.4 MHz; the point outside the sweep is left off.
    ASSERT_TRUE(check.openMeasurement(
        put("good.s1p", "# MHz Z RI R 50\n1.0 1 0\n14.0 2 0\n14.1 1.5 0\n14.2 1 0\n14.3 0.8 0\n14.4 0.5 0\n")));
    EXPECT_FALSE(message->isVisibleTo(&check));
    const QList<QPointF> swr = pointsOf(check, "swrChart", "swrMeasured");
    ASSERT_EQ(swr.size(), 5);
    EXPECT_NEAR(swr[0].y(), 2, 1e-9);
    EXPECT_NEAR(swr[2].y(), 1, 1e-9);
    EXPECT_NEAR(swr[4].y(), 2, 1e-9);
    EXPECT_EQ(pointsOf(check, "impedanceChart", "reactanceMeasured").size(), 5);
    const QStringList summary = [&] {
        QStringList texts;
        for (const auto* label : check.findChildren<QLabel*>()) texts << label->text();
        return texts;
    }();
    EXPECT_TRUE(summary.contains("Measured"));
    EXPECT_TRUE(summary.contains("1.00 at 14.200 MHz"));
    EXPECT_TRUE(summary.contains("14.000-14.400 MHz"));
    // Beside it the model's figure over the measured span, which holds the model's own lowest SWR.
    const nec::LowestSwr& model = check.result()->summary.lowestDirect;
    QStringList modelCells;
    for (const auto* label : check.findChildren<QLabel*>())
        if (label->accessibleName().startsWith("Calculated, Lowest SWR (50 ohm):")) modelCells << label->text();
    EXPECT_EQ(modelCells, QStringList{QString::asprintf("%.2f at %.3f MHz", model.swr, model.mhz)});
    // Fitted on the runner: no model of this design is that flat, so no trims.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !check.runner().running(); }, 60000));
    ASSERT_TRUE(check.trim());
    EXPECT_FALSE(check.trim()->fit.fits());

    // The model's own sweep fits it, and the cut list gets the trims.
    ASSERT_TRUE(check.openMeasurement(testing::ownSweepFile(check, folder)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !check.runner().running(); }, 60000));
    ASSERT_TRUE(check.trim() && check.trim()->trim && *check.trim()->trim);
    EXPECT_NEAR(check.trim()->fit.factor, 1, 0.001);
    QStringList notes;
    for (const auto* label : child<CutListPanel>(check, "cutList")->findChildren<QLabel*>()) notes << label->text();
    EXPECT_TRUE(notes.join('\n').contains("Trims for resonance:")) << notes.join('\n').toStdString();
    EXPECT_TRUE(notes.join('\n').contains("driven: as cut ")) << notes.join('\n').toStdString();
}

// nec2c's sweep of the design built 2.5% long, read at the shack end of 10 m
// of RG-58: the feed-line fields move it back as the command line's options
// do, and the fit finds the same factor; a change of the fields fits again.
TEST(NecCheckWindow, TheFeedLineFieldsFitAsTheCommandLineDoes) {
    QTemporaryDir folder;
    const std::string measured = folder.filePath("shack.s1p").toStdString();
    const double from = 13.6, step = 0.05;
    std::ofstream(measured) << nec::throughRg58(
        nec::solved(nec::deck(nec::designedLoops(), {1.025, 0, 1}, from, step, 27), 27), from, step);
    const auto cliFactor = [&](const std::string& lines) {
        const cli::CliRun cli = cli::runCli("--freq 14.2 --awg 14 --simulate --json --measured " + measured + lines);
        double factor = 0;
        const std::size_t at = cli.out.find("\"wire_factor\": ");
        if (cli.status != 0 || at == std::string::npos || std::sscanf(cli.out.c_str() + at + 15, "%lf", &factor) != 1)
            ADD_FAILURE() << cli.said << cli.out;
        return factor;
    };
    const std::string rg58 = " --feedline 10 --feedline-cable RG-58";

    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    auto* fields = check.findChild<FeedLinePanel*>("feedLine");
    ASSERT_NE(fields, nullptr);
    EXPECT_FALSE(fields->isVisibleTo(&check));  // shown with a measurement
    // Taken as at the feed point, the line's half wave and more turns it round: no fit.
    ASSERT_TRUE(check.openMeasurement(QString::fromStdString(measured)));
    EXPECT_TRUE(fields->isVisibleTo(&check));
    ASSERT_TRUE(testing::runEnds(check));
    ASSERT_TRUE(check.trim());
    EXPECT_FALSE(check.trim()->fit.fits());

    ModelControls controls(*fields);
    controls.spin("Feed line's length, metres", 10);
    QComboBox* cable = controls.combos.value("Feed line's cable");
    cable->setCurrentIndex(cable->findText("RG-58", Qt::MatchStartsWith));
    ASSERT_TRUE(testing::runEnds(check));
    ASSERT_TRUE(check.trim());
    EXPECT_NEAR(check.trim()->fit.factor, cliFactor(rg58), 1e-6);
    EXPECT_NEAR(check.trim()->fit.factor, 1.025, 0.005);
    EXPECT_TRUE(check.trim()->fit.fits());
    EXPECT_TRUE(testing::labelTexts(*child<QWidget>(check, "summary")).contains("10 m of 50-ohm line"));

    // A section the check cannot give: refused, the box left unticked, the fit kept.
    auto* section = child<QCheckBox>(check, "throughSection");
    section->setChecked(true);
    EXPECT_FALSE(section->isChecked());
    EXPECT_TRUE(child<QLabel>(check, "message")->text().contains("choose its cable in the matching window"))
        << child<QLabel>(check, "message")->text().toStdString();
    EXPECT_FALSE(check.runner().running());
    ASSERT_TRUE(check.trim());
    EXPECT_NEAR(check.trim()->fit.factor, 1.025, 0.005);

    // The section cut in the matching window's cable, as --through-section with --coax.
    QTest::mouseClick(child<QPushButton>(design.window, "Command5"), Qt::LeftButton);
    auto* cables = child<QListWidget>(*design.window.matchingWindow(), "List1");
    const auto choose = [&](int row) {
        QTest::mouseClick(cables->viewport(), Qt::LeftButton, {}, cables->visualItemRect(cables->item(row)).center());
    };
    choose(0);  // RG-6, velocity factor 0.75
    section->setChecked(true);
    ASSERT_TRUE(section->isChecked());
    ASSERT_TRUE(testing::runEnds(check));
    EXPECT_NEAR(check.trim()->fit.factor, cliFactor(rg58 + " --through-section --coax RG-6"), 1e-6);
    const auto summary = [&] { return testing::labelTexts(*child<QWidget>(check, "summary")); };
    EXPECT_EQ(summary().count("(velocity factor 0.75)"), 1);
    // Another cable chosen there: back in the check window, the section is cut from it.
    choose(1);  // RG-11, 0.66 as RG-58
    QEvent activated(QEvent::WindowActivate);
    QApplication::sendEvent(&check, &activated);
    EXPECT_TRUE(check.runner().running());
    ASSERT_TRUE(testing::runEnds(check));
    EXPECT_EQ(summary().count("(velocity factor 0.66)"), 2);
}

// The As cut column: by default the design shown; a length typed in the
// units shown is what the fit and the trims start from and what the CSV
// saves; a text that is no length is refused and the length before stays.
TEST(NecCheckWindow, TheLengthsTypedAsCutGiveTheTrims) {
    testing::MeasuredDesign design(3);
    ASSERT_TRUE(design.fitted);
    NecCheckWindow& check = *design.check;
    const QTemporaryDir& folder = design.folder;
    auto* table = child<QTableWidget>(check, "cutTable");
    ASSERT_EQ(table->horizontalHeaderItem(2)->text(), "As cut");
    EXPECT_EQ(table->item(1, 2)->text(), table->item(1, 1)->text());
    auto* units = child<QComboBox>(check, "cutUnits");
    auto* message = child<QLabel>(check, "message");
    constexpr double kInch = 0.0254;
    struct Case {
        const char* name;
        int unitsIndex;  // feet and inches, metres
        int row;         // reflector, driven, director
        const char* typed;
        double metres;     // 0: refused
        const char* said;  // in the cell, or in the message where refused
        const char* note;  // the trim's
    };
    const Case cases[] = {
        {"feet and inches, as the list shows them", 0, 1, "70 ft 9 in", (70 * 12 + 9) * kInch, "70 ft 9 in",
         "driven: as cut 70 ft 9 in, cut to "},
        {"metres, a bare number", 1, 0, "22.51", 22.51, "22.510 m", "reflector: as cut 22.510 m, cut to "},
        {"a decimal comma", 1, 2, "20,6", 0, "\"20,6\" is no length", ""},
        {"feet without their unit", 0, 2, "67 7", 0, "as in 70 ft 9 5/16 in", ""},
        {"no length at all", 1, 2, "0", 0, "above 0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        units->setCurrentIndex(c.unitsIndex);
        const QString before = table->item(c.row, 2)->text();
        const std::optional<nec::FittedTrim> trimBefore = check.trim();
        table->item(c.row, 2)->setText(QString::fromLatin1(c.typed));
        ASSERT_TRUE(testing::runEnds(check));
        ASSERT_TRUE(check.trim() && check.trim()->trim && *check.trim()->trim);
        const nec::TrimLoop& loop = (*check.trim()->trim)->loops[static_cast<std::size_t>(c.row)];
        if (c.metres == 0) {
            EXPECT_TRUE(message->isVisibleTo(&check));
            EXPECT_TRUE(message->text().contains(c.said)) << message->text().toStdString();
            EXPECT_EQ(table->item(c.row, 2)->text(), before);
            EXPECT_EQ(loop.cutToMetres, (*trimBefore->trim)->loops[static_cast<std::size_t>(c.row)].cutToMetres);
            continue;
        }
        EXPECT_FALSE(message->isVisibleTo(&check));
        EXPECT_EQ(table->item(c.row, 2)->text(), c.said);
        EXPECT_NEAR(loop.asCutMetres, c.metres, 1e-9);
        EXPECT_TRUE(testing::labelTexts(*child<QWidget>(check, "cutList")).contains(c.note));
    }

    // The CSV saves what was cut, and reads back as the command line's --as-cut.
    const QString path = folder.filePath("cut.csv");
    testing::saveThroughDialog(*testing::buttonCaptioned(*child<QWidget>(check, "cutList"), "Save as CSV..."), path);
    const QByteArray csv = testing::fileBytes(path);
    EXPECT_TRUE(csv.contains(",as_cut_m,as_cut_in,as_cut_feet_inches\n")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("# driven: as cut 21.565 m, cut to ")) << csv.toStdString();
    const auto read = nec::readAsCutCsv(csv.toStdString());
    ASSERT_TRUE(read) << read.error().message;
    ASSERT_EQ(read->size(), 3u);
    EXPECT_NEAR((*read)[0].metres, 22.51, 1e-6);
    EXPECT_NEAR((*read)[1].metres, (70 * 12 + 9) * kInch, 1e-6);
    EXPECT_NEAR((*read)[2].metres, (*check.trim()->trim)->loops[2].asCutMetres, 1e-6);  // as designed
}

// A save aimed at a FIFO is refused at once, even with a reader there: the
// window never waits on one.
TEST(NecCheckWindow, ASaveToAFifoIsRefusedAtOnce) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    QTemporaryDir folder;
    const QString fifo = folder.filePath("cut-list.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const int reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QElapsedTimer took;
    took.start();
    const auto shown = testing::problemShownBy(
        [&] { testing::saveThroughDialog(*testing::buttonCaptioned(check, QStringLiteral("Save as CSV...")), fifo); });
    EXPECT_LT(took.elapsed(), 2000);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Save cut list as CSV");
    EXPECT_EQ(shown->text, "Nothing was saved: cannot write " + fifo +
                               ": it is a FIFO or pipe, not a regular file; choose a file to save to.");
    char byte;
    EXPECT_LE(read(reader, &byte, 1), 0);
    close(reader);
    EXPECT_FALSE(child<QLabel>(check, "saved")->isVisibleTo(&check));
}

// Each chart tab saves its chart as a PNG and as an SVG drawing, each read
// back, and prints it; with no printer set up, to a PDF file of one page.
TEST(NecCheckWindow, EachChartSavesAsPicturesAndPrints) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    auto* tabs = child<QTabWidget>(check, "charts");
    QTemporaryDir folder;
    const struct {
        int tab;
        const char* fileWord;
        const char* title;
    } charts[] = {{2, "swr", "SWR"},
                  {3, "r-and-x", "R and X"},
                  {4, "gain-and-fr", "gain and F/R"},
                  {5, "smith-chart", "Smith chart"},
                  {6, "azimuth", "azimuth pattern"},
                  {7, "elevation", "elevation pattern"}};
    const QString stem = "quad-14.2MHz-3el-awg14-standard-high-gain-freespace-square-copper-bare-";
    for (const auto& c : charts) {
        SCOPED_TRACE(c.fileWord);
        tabs->setCurrentIndex(c.tab);
        QWidget& page = *tabs->currentWidget();
        const QString png = folder.filePath(QStringLiteral("%1.png").arg(c.tab));
        const QString svg = folder.filePath(QStringLiteral("%1.svg").arg(c.tab));
        EXPECT_EQ(testing::saveThroughDialog(*testing::buttonCaptioned(page, "Save as PNG..."), png),
                  stem + c.fileWord + ".png");
        EXPECT_EQ(testing::saveThroughDialog(*testing::buttonCaptioned(page, "Save as SVG..."), svg),
                  stem + c.fileWord + ".svg");
        const QImage image = QImageReader(png).read();
        EXPECT_GE(image.height(), 200);
        EXPECT_GE(image.width(), 400);
        const QSvgRenderer drawing(svg);
        EXPECT_TRUE(drawing.isValid());
        EXPECT_GE(drawing.defaultSize().height(), 200);
        EXPECT_TRUE(QString::fromUtf8(testing::fileBytes(svg))
                        .contains(QStringLiteral("<title>loopbeam 14.2 MHz 3 el %1</title>").arg(c.title)));

        if (!QPrinterInfo::availablePrinters().isEmpty()) continue;  // a real printer's dialog: not here
        const QString pdf = folder.filePath(QStringLiteral("%1.pdf").arg(c.tab));
        EXPECT_EQ(testing::saveThroughDialog(*testing::buttonCaptioned(page, "Print..."), pdf),
                  stem + c.fileWord + ".pdf");
        const QByteArray bytes = testing::fileBytes(pdf);
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
        EXPECT_EQ(child<QLabel>(check, "saved")->text(), "Saved as " + pdf);
    }
}

// With options other than those checked, the sweep's saves ask for a check
// first, and the deck is the checked design modelled as the options say now.
TEST(NecCheckWindow, TheSavesUseTheOptionsShown) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    ModelControls(*check.findChild<ModelOptions*>()).pick("Wire insulation", "PVC (3.5)");
    QTemporaryDir folder;
    for (const char* caption : {"Save &Touchstone...", "Save results as CS&V..."}) {
        SCOPED_TRACE(caption);
        auto* message = child<QLabel>(check, "message");
        message->hide();
        testing::buttonCaptioned(check, QLatin1String(caption))->click();  // no dialog: nothing to answer
        EXPECT_TRUE(message->isVisibleTo(&check));
        EXPECT_TRUE(message->text().contains("Check again"));
    }
    const QString path = folder.filePath("quad.nec");
    const QString suggested =
        testing::saveThroughDialog(*testing::buttonCaptioned(check, QStringLiteral("Save &deck...")), path);
    EXPECT_TRUE(suggested.contains("pvc0.5mm")) << suggested.toStdString();
    QFile deck(path);
    ASSERT_TRUE(deck.open(QIODevice::ReadOnly));
    EXPECT_TRUE(deck.readAll().contains("\nLD 2 "));  // the insulation's loading
}

TEST(NecCheckWindow, OpensBesideTheMainWindowWhereTheScreenHasRoom) {
    const QSize minimum(560, 500), preferred(880, 720);
    // The main window centred on 1280x800: its result boxes and, top right, its frequency box.
    const std::vector<QRect> boxes{{450, 470, 170, 130}, {803, 225, 137, 41}};
    struct Case {
        const char* screen;
        QRect screenArea, mainFrame;
        std::vector<QRect> keepClear;
        OpeningPlace place;
    };
    const Case cases[] = {
        // 283 pixels either side: over the main window's right part, below the frequency box, right of the results.
        {"1280x800, centred", {0, 0, 1280, 800}, {283, 165, 713, 470}, boxes, {{660, 534}, QPoint(620, 266)}},
        // A screen too small for any corner clear of the boxes: the preferred size where the manager puts it.
        {"1024x600, centred", {0, 0, 1024, 600}, {155, 65, 713, 470}, boxes, {{880, 600}, std::nullopt}},
        // Moved to the left edge: 567 to its right.
        {"1280x800, at the left", {0, 0, 1280, 800}, {0, 165, 713, 470}, boxes, {{567, 720}, QPoint(713, 80)}},
        // 1920x1080, centred: 603 to the left, 604 to the right.
        {"1920x1080, centred", {0, 0, 1920, 1080}, {603, 305, 713, 470}, {}, {{604, 720}, QPoint(1316, 305)}},
        // A panel takes the top 30: the window keeps below it, and as high as the rest allows.
        {"1920x600 below a panel", {0, 30, 1920, 570}, {0, 30, 713, 470}, {}, {{880, 570}, QPoint(713, 30)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        const OpeningPlace place = openingPlace(c.screenArea, c.mainFrame, c.keepClear, minimum, preferred);
        EXPECT_EQ(place.size, c.place.size);
        EXPECT_EQ(place.topLeft, c.place.topLeft);
    }
}

// A check and a tuning alike. The first check, cancelled, has no results of
// its own: its heading names its design and the deck can be saved meanwhile.
TEST(NecCheckWindow, EveryWayOfStoppingEndsTheEngineAndItsFiles) {
    enum class Stop { Cancel, CloseTheWindow, EndTheProgram };
    for (const bool tuning : {false, true})
        for (const Stop stop : {Stop::Cancel, Stop::CloseTheWindow, Stop::EndTheProgram}) {
            SCOPED_TRACE((tuning ? "tuning, " : "check, ") + std::to_string(static_cast<int>(stop)));
            DesignState state;
            auto window = std::make_unique<TARNWELL>(state);
            window->show();
            calculate(*window, tuning ? 6 : 12);  // seconds of nec2c on every core for the check
            if (tuning) {
                ASSERT_TRUE(checkedWindow(*window));
                QTest::mouseClick(child<QPushButton>(*window->checkWindow(), "tune"), Qt::LeftButton);
            } else {
                window->checkWithNec();
            }
            NecCheckWindow& check = *window->checkWindow();
            const CheckRunner& runner = check.runner();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !runner.children().empty(); }, 10000));
            const std::vector<pid_t> children = runner.children();
            const QString directory = QString::fromStdString(runner.directory());
            ASSERT_FALSE(directory.isEmpty());
            if (!tuning) {
                EXPECT_TRUE(child<QLabel>(check, "heading")->text().startsWith("14.2 MHz, 12 elements, AWG 14"));
                EXPECT_TRUE(testing::buttonCaptioned(check, QStringLiteral("Save &deck..."))->isEnabled());
            }
            if (stop == Stop::Cancel) QTest::mouseClick(child<QPushButton>(check, "cancel"), Qt::LeftButton);
            if (stop == Stop::CloseTheWindow) check.close();
            if (stop == Stop::EndTheProgram) window.reset();  // as after EXIT: the windows go with the process
            ASSERT_TRUE(QTest::qWaitFor([&] { return !window || !runner.running(); }, 5000));
            for (pid_t pid : children) EXPECT_TRUE(testing::gone(pid)) << pid;
            EXPECT_FALSE(QDir(directory).exists());
            if (stop != Stop::Cancel) continue;
            EXPECT_EQ(check.result().has_value(), tuning);
            EXPECT_FALSE(check.tuned());
            EXPECT_EQ(child<QLabel>(check, "message")->text(),
                      tuning ? "The tuning was cancelled; the results shown stay as they were."
                             : "The check was cancelled before it had results. Press Check again to check the design.");
        }
}

TEST(NecCheckWindow, TheEntriesSayWhatToDoBeforeADesign) {
    DesignState state;
    TARNWELL window(state);
    window.show();
    QStringList entries;
    for (QAction* entry : window.actions()) {
        SCOPED_TRACE(entry->text().toStdString());
        entries << entry->text();
        if (entry->text() == check_entries::severalBandsCaption()) continue;  // needs no design: below
        const auto problem = testing::problemShownBy([&] { entry->trigger(); });
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->text, check_entries::noDesignYet());
    }
    EXPECT_EQ(entries, QStringList({check_entries::checkCaption(), check_entries::saveDeckCaption(),
                                    check_entries::severalBandsCaption()}));
    EXPECT_EQ(window.checkWindow(), nullptr);
    window.actions().back()->trigger();  // the several bands' window designs its own bands
    ASSERT_TRUE(window.severalBandsWindow());
    EXPECT_TRUE(window.severalBandsWindow()->isVisible());
}

// The entry with the window open checks the design the main window calculated
// since, and leaves a current check alone.
TEST(NecCheckWindow, TheEntryWithTheWindowOpenChecksANewDesign) {
    testing::CheckedDesign checked(3);
    ASSERT_TRUE(checked.check);
    const nec::CheckResult* before = &*checked.check->result();
    const double gain = before->summary.gainAtLockedDbi;
    checked.window.checkWithNec();  // the same design: nothing to run
    EXPECT_FALSE(checked.check->runner().running());
    calculate(checked.window, 4);
    checked.window.checkWithNec();
    EXPECT_TRUE(checked.check->runner().running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !checked.check->runner().running(); }, 30000));
    EXPECT_NE(checked.check->result()->summary.gainAtLockedDbi, gain);
    EXPECT_TRUE(checked.check->findChild<QLabel*>(QStringLiteral("stale"))->isHidden());
}

}  // namespace
}  // namespace loopbeam
