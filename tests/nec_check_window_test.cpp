// The check window on real nec2c runs: it shows what the core found, its
// Cancel and its close leave no engine process or file behind, and the main
// window's entries say what to do before there is a design.

#include <gtest/gtest.h>
#include <signal.h>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <cerrno>
#include <functional>

#include "mainwindow/tarnwell.h"
#include "necwindow/check_entries.h"
#include "necwindow/model_options.h"
#include "tests/window_test_support.h"

namespace loopbeam {
namespace {

using testing::child;

// The main window after a design of `elements` at 14.2 MHz, AWG 14, STANDARD HIGH GAIN.
void calculate(TARNWELL& window, int elements) {
    testing::typeInto(child<QLineEdit>(window, "freqtxt"), QStringLiteral("14.2"));
    QTest::mouseClick(child<QPushButton>(window, "Command4"), Qt::LeftButton);
    child<QScrollBar>(window, "vsbAwg")->setValue(14);
    child<QScrollBar>(window, "vsbEl")->setValue(elements);
    QTest::mouseClick(child<QAbstractButton>(window, "Option1"), Qt::LeftButton, {}, {4, 4});
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
}

QList<QPointF> pointsOf(const NecCheckWindow& check, const char* view, const char* series) {
    const auto* chart = child<QChartView>(check, view)->chart();
    for (auto* s : chart->series())
        if (s->objectName() == QLatin1String(series)) return static_cast<QLineSeries*>(s)->points();
    ADD_FAILURE() << "no series " << series;
    return {};
}

// The panel's controls, found by the names a screen reader speaks.
struct ModelControls {
    explicit ModelControls(const ModelOptions& panel) {
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

TEST(NecCheckWindow, ShowsWhatTheCoreFound) {
    DesignState state;
    TARNWELL window(state);
    window.show();
    calculate(window, 3);
    window.checkWithNec();
    NecCheckWindow& check = *window.checkWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return check.result().has_value(); }, 30000));
    const nec::CheckResult& result = *check.result();
    const QList<QPointF> swr = pointsOf(check, "swrChart", "swrSection");
    const QList<QPointF> reactance = pointsOf(check, "impedanceChart", "reactance");
    ASSERT_EQ(swr.size(), static_cast<qsizetype>(result.sweep.size()));
    ASSERT_EQ(reactance.size(), swr.size());
    for (std::size_t i = 0; i < result.sweep.size(); ++i) {
        EXPECT_EQ(swr[i].x(), result.sweep[i].mhz);
        EXPECT_EQ(swr[i].y(), std::min(result.sweep[i].swrThroughSection, 5.0));
        EXPECT_EQ(reactance[i].y(), result.sweep[i].feedImpedance.imag());
    }
    EXPECT_EQ(pointsOf(check, "patternChart", "pattern").size(),
              static_cast<qsizetype>(result.azimuthPattern.size() + 1));  // closed at 360 degrees

    // Each access key reaches one control, tabs and labelled controls included.
    QStringList texts;
    for (const auto* button : check.findChildren<QAbstractButton*>()) texts << button->text();
    for (const auto* label : check.findChildren<QLabel*>())
        if (label->buddy()) texts << label->text();
    const auto* tabs = child<QTabWidget>(check, "charts");
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    QSet<QKeySequence> keys;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        EXPECT_FALSE(keys.contains(key)) << text.toStdString();
        keys.insert(key);
    }

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

bool gone(pid_t pid) { return kill(pid, 0) == -1 && errno == ESRCH; }

TEST(NecCheckWindow, EveryWayOfStoppingEndsTheEngineAndItsFiles) {
    enum class Stop { Cancel, CloseTheWindow, EndTheProgram };
    for (const Stop stop : {Stop::Cancel, Stop::CloseTheWindow, Stop::EndTheProgram}) {
        SCOPED_TRACE(static_cast<int>(stop));
        DesignState state;
        auto window = std::make_unique<TARNWELL>(state);
        window->show();
        calculate(*window, 12);  // seconds of nec2c on every core
        window->checkWithNec();
        const CheckRunner& runner = window->checkWindow()->runner();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !runner.children().empty(); }, 10000));
        const std::vector<pid_t> children = runner.children();
        const QString directory = QString::fromStdString(runner.directory());
        ASSERT_TRUE(QDir(directory).exists());
        if (stop == Stop::Cancel)
            QTest::mouseClick(child<QPushButton>(*window->checkWindow(), "cancel"), Qt::LeftButton);
        if (stop == Stop::CloseTheWindow) window->checkWindow()->close();
        if (stop == Stop::EndTheProgram) window.reset();  // as after EXIT: the windows go with the process
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window || !runner.running(); }, 5000));
        for (pid_t pid : children) EXPECT_TRUE(gone(pid)) << pid;
        EXPECT_FALSE(QDir(directory).exists());
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
        const auto problem = testing::problemShownBy([&] { entry->trigger(); });
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->text, check_entries::noDesignYet());
    }
    EXPECT_EQ(entries, QStringList({check_entries::checkCaption(), check_entries::saveDeckCaption()}));
    EXPECT_EQ(window.checkWindow(), nullptr);
}

}  // namespace
}  // namespace loopbeam
