// A seeded random walk of user actions over the three windows. After every
// step the state holds only finite values and every box shows what the last
// successful handler wrote there (the core, run on a copy of the state, says
// what that is); a refused step shows a message and changes nothing.
// LOOPBEAM_WALK_SEED replays a walk; the seed is printed when a step fails.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>
#include <random>

#include "design/boxes.h"
#include "design/design_types.h"
#include "design/dimensions.h"
#include "design/frequency_lock.h"
#include "design/matching_section.h"
#include "design/metric.h"
#include "mainwindow/tarnwell.h"
#include "tests/window_test_support.h"

namespace loopbeam {
namespace {

using testing::child;
using Texts = QMap<QString, QString>;

bool finite(const DesignState& s) {
    for (float v : {s.freq, s.wireDia, s.diaRatio, s.drivenConst, s.dirCount, s.dirConst, s.refConst, s.corr, s.dirLen,
                    s.drvLen, s.refLen, s.spacing, s.boomLen, s.holeSpacing, s.matchLen, s.matchFeet, s.matchInches,
                    s.velFactor, s.coaxIndex})
        if (!std::isfinite(v)) return false;
    return true;
}

class Walk {
public:
    explicit Walk(unsigned seed) : random_(seed) {
        main_.show();
        expectedMain_ = boxesOf(main_);
    }

    void step() {
        switch (pick(14)) {
            case 0: type(); break;
            case 1: handler(main_, expectedMain_, "Command4", lockFrequency(shadow(), freqText())); break;
            case 2: showBack(); break;
            case 3: moveBar(); break;
            case 4: designType(); break;
            case 5:
                handler(main_, expectedMain_, "Command1", calculateFeetInches(shadow(), bar("vsbAwg"), bar("vsbEl")));
                break;
            case 6: handler(main_, expectedMain_, "Command2", convertToMetric(shadow())); break;
            case 7: openMatching(); break;
            case 8: close(main_.matchingWindow()); break;
            case 9: chooseCable(); break;
            case 10:
                if (open(main_.matchingWindow()))
                    handler(*main_.matchingWindow(), expectedMatching_, "Command1", matchFeetInches(shadow()));
                break;
            case 11:
                if (open(main_.matchingWindow()))
                    handler(*main_.matchingWindow(), expectedMatching_, "Command2", matchMetric(shadow()));
                break;
            case 12: QTest::mouseClick(child<QPushButton>(main_, "mnuWeb"), Qt::LeftButton); break;
            case 13: close(main_.webLinkWindow()); break;
        }
    }

    void check() const {
        ASSERT_TRUE(finite(state_));
        EXPECT_EQ(boxesOf(main_), expectedMain_);
        if (open(main_.matchingWindow())) {
            EXPECT_EQ(testing::allTexts(*main_.matchingWindow()), expectedMatching_);
        }
        EXPECT_EQ(testing::textOf(main_, "awgLab"), QString::number(bar("vsbAwg")));
        EXPECT_EQ(testing::textOf(main_, "elLab"), QString::number(bar("vsbEl")));
    }

private:
    // What handlers write; the bars' labels are checked against the bars.
    static Texts boxesOf(const QWidget& window) {
        Texts texts = testing::allTexts(window);
        texts.remove(QStringLiteral("awgLab"));
        texts.remove(QStringLiteral("elLab"));
        return texts;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::int16_t bar(const char* name) const {
        return static_cast<std::int16_t>(child<QScrollBar>(main_, name)->value());
    }
    std::string freqText() const { return testing::textOf(main_, "freqtxt").toStdString(); }
    static bool open(QWidget* window) { return window && window->isVisible(); }
    static void close(QWidget* window) {
        if (window) window->close();
    }

    // A copy of the state for the core to say what the step should do.
    DesignState& shadow() {
        shadow_ = state_;
        return shadow_;
    }

    void type() {
        static const char* const kTexts[] = {"14.2", "7.1", "-14.2", "0",       "abc",   "1E39", "1e-38", "432.1",
                                             ".5",   "",    " 3.75", "14.2MHz", "1E400", "50.1", "28.5",  "1e-45"};
        QString text = QString::fromLatin1(kTexts[pick(std::size(kTexts))]);
        if (pick(3) == 0) {  // or a few random keys
            text.clear();
            for (int n = pick(10); n > 0; --n) text += QChar::fromLatin1("0123456789.-+eE ax"[pick(18)]);
        }
        auto* box = child<QLineEdit>(main_, "freqtxt");
        testing::typeInto(box, text);
        expectedMain_["freqtxt"] = text.left(7);
    }

    void showBack() {
        QTest::mouseClick(child<QLineEdit>(main_, "freqtxt"), Qt::LeftButton);
        expectedMain_["freqtxt"] = QString::fromStdString(heldBy(MainBox::freqtxt, showBackFrequency(state_)));
    }

    void moveBar() {
        auto* bar = child<QScrollBar>(main_, pick(2) ? "vsbAwg" : "vsbEl");
        if (pick(4) == 0) {  // a dragged thumb, let go anywhere
            bar->setSliderDown(true);
            bar->setSliderPosition(bar->minimum() + pick(bar->maximum() - bar->minimum() + 1));
            bar->setSliderDown(false);
            return;
        }
        const QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};
        bar->triggerAction(actions[pick(4)]);
    }

    void designType() {
        const int option = pick(3);
        DesignState expected = state_;
        if (option == 0) selectStandardHighGain(expected, bar("vsbEl"));
        if (option == 1) selectSpecial4or8(expected);
        if (option == 2) selectDoubleReflector(expected);
        const char* names[] = {"Option1", "Option2", "Option3"};
        QTest::mouseClick(child<QRadioButton>(main_, names[option]), Qt::LeftButton, {}, {4, 4});
        EXPECT_EQ(state_, expected);
    }

    void openMatching() {
        const bool wasOpen = open(main_.matchingWindow());
        QTest::mouseClick(child<QPushButton>(main_, "Command5"), Qt::LeftButton);
        if (!wasOpen)  // loaded anew: its start contents
            expectedMatching_ = {{"Text3", ""},     {"Text4", ""},       {"Text5", "< SELECT YOUR COAX"},
                                 {"Text6", "FEET"}, {"Text7", "INCHES"}, {"Picture1", ""}};
    }

    void chooseCable() {
        if (!open(main_.matchingWindow())) return;
        auto* list = child<QListWidget>(*main_.matchingWindow(), "List1");
        const int row = pick(list->count());
        DesignState expected = state_;
        loopbeam::chooseCable(expected, static_cast<std::int16_t>(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        if (list->currentRow() == row && !list->selectedItems().isEmpty()) {
            EXPECT_EQ(state_, expected);
        }
    }

    // Presses the button; the outcome the core gives on a copy is what the window must show.
    template <class Box>
    void handler(QWidget& window, Texts& expected, const char* button, const Outcome<BoxTexts<Box>>& outcome) {
        const DesignState before = state_;
        const auto problem =
            testing::problemShownBy([&] { QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton); });
        if (!outcome) {
            EXPECT_TRUE(problem.has_value()) << button;
            EXPECT_EQ(state_, before) << button;
            return;
        }
        EXPECT_FALSE(problem.has_value()) << button << ": " << (problem ? problem->text.toStdString() : "");
        EXPECT_EQ(state_, shadow_) << button;
        for (const BoxText<Box>& text : *outcome) {
            const std::string_view name = factsOf(text.box).name;
            const QString box = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
            expected[box] = QString::fromStdString(heldBy(text.box, text.text.view()));
        }
    }

    std::mt19937 random_;
    DesignState state_;
    DesignState shadow_;
    TARNWELL main_{state_};
    Texts expectedMain_;
    Texts expectedMatching_;
};

TEST(RandomWalk, EveryStepShowsWhatTheLastSuccessfulHandlerWrote) {
    const unsigned seed = qEnvironmentVariableIsSet("LOOPBEAM_WALK_SEED")
                              ? static_cast<unsigned>(qEnvironmentVariableIntValue("LOOPBEAM_WALK_SEED"))
                              : std::random_device{}();
    SCOPED_TRACE("LOOPBEAM_WALK_SEED=" + std::to_string(seed));
    Walk walk(seed);
    for (int step = 0; step < 3000 && !HasFailure(); ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        walk.step();
        walk.check();
    }
}

}  // namespace
}  // namespace loopbeam
