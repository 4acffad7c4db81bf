#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "mainwindow/tarnwell.h"
#include "tests/window_test_support.h"

namespace loopbeam {
namespace {

using testing::child;
using testing::textOf;

class MatchingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.freq = 14.2f;
        main.show();
        open();
    }
    void open() {
        QTest::mouseClick(child<QPushButton>(main, "Command5"), Qt::LeftButton);
        ASSERT_NE(main.matchingWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.matchingWindow()));
    }
    Form1& matching() { return *main.matchingWindow(); }
    QListWidget* list() { return child<QListWidget>(matching(), "List1"); }
    void choose(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(matching(), name), Qt::LeftButton); }
    QStringList shown() {
        return {textOf(matching(), "Text3"), textOf(matching(), "Text4"), textOf(matching(), "Text6"),
                textOf(matching(), "Text7")};
    }

    DesignState state;
    TARNWELL main{state};
};

void expectStartState(Form1& window) {
    auto* list = child<QListWidget>(window, "List1");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    EXPECT_EQ(entries,
              QStringList({"RG-6", "RG-11", "RG-11 foam", "RG-12 or 12a", "RG-59 or 59a", "RG-59 foam", "RG-216"}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(textOf(window, "Text3"), "");
    EXPECT_EQ(textOf(window, "Text4"), "");
    EXPECT_EQ(textOf(window, "Text6"), "FEET");
    EXPECT_EQ(textOf(window, "Text7"), "INCHES");
    EXPECT_EQ(textOf(window, "Text5"), "< SELECT YOUR COAX");
}

TEST_F(MatchingWindowTest, StartsAsDesigned) {
    EXPECT_EQ(matching().windowTitle(), "QUAD MATCHING");
    EXPECT_EQ(matching().size(), QSize(678, 395));
    expectStartState(matching());
    EXPECT_EQ(textOf(matching(), "Text2"),
              "This design requires between 90 and 120 ohms which can\n"
              "be matched with a 1/4 wave 75 ohm serial section of coax.\n");
    EXPECT_FALSE(child<QLabel>(matching(), "Picture1")->pixmap().isNull());
}

TEST_F(MatchingWindowTest, ACableAndBothCalculations) {
    choose(1);
    EXPECT_EQ(state.velFactor, 0.66f);
    EXPECT_EQ(state.coaxIndex, 1.0f);
    click("Command1");
    EXPECT_EQ(shown(), QStringList({"11", "5.205643", "Feet", "Inches"}));
    click("Command2");
    EXPECT_EQ(shown(), QStringList({"3", "48.5023324584961", "Meter", "Cm"}));
    click("Command1");
    EXPECT_EQ(shown(), QStringList({"11", "5.205643", "Feet", "Inches"}));  // never back to upper case

    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Up);  // the keyboard chooses too
    EXPECT_EQ(state.velFactor, 0.75f);
}

TEST_F(MatchingWindowTest, RefusalsLeaveTheBoxesAsTheyWere) {
    struct Case {
        const char* name;
        float freq;
        int cable;  // -1: none chosen
        const char* button;
    };
    const Case cases[] = {{"no cable chosen", 14.2f, -1, "Command2"}, {"no frequency", 0.0f, 1, "Command1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state = DesignState{};
        state.freq = c.freq;
        if (c.cable >= 0) choose(c.cable);
        const QStringList before = shown();
        const DesignState fields = state;
        const auto problem = testing::problemShownBy([&] { click(c.button); });
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(shown(), before);
        EXPECT_EQ(state, fields);
    }
}

TEST_F(MatchingWindowTest, OneWindowBroughtForwardOrLoadedAnew) {
    choose(0);
    click("Command1");
    const QStringList contents = shown();
    Form1* first = main.matchingWindow();
    open();  // pressed again while open: the same window with its contents
    EXPECT_EQ(main.matchingWindow(), first);
    EXPECT_EQ(shown(), contents);
    EXPECT_EQ(list()->selectedItems().size(), 1);

    first->close();
    const DesignState kept = state;
    open();  // after closing: the start state, the cable choice of the process kept
    EXPECT_EQ(main.matchingWindow(), first);
    expectStartState(matching());
    EXPECT_EQ(state, kept);
    click("Command1");
    EXPECT_EQ(state.velFactor, 0.75f);
}

TEST_F(MatchingWindowTest, ReopenedAtItsDesignSizeWithTheFocusOnItsFirstControl) {
    matching().resize(900, 600);
    child<QPushButton>(matching(), "Command2")->setFocus();
    matching().close();
    open();
    EXPECT_EQ(matching().size(), QSize(678, 395));
    EXPECT_EQ(matching().focusWidget(), child<QWidget>(matching(), "Text1"));
}

}  // namespace
}  // namespace loopbeam
