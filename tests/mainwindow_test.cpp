#include <gtest/gtest.h>

#include <QAccessible>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>
#include <tuple>

#include "mainwindow/tarnwell.h"
#include "tests/window_test_support.h"
#include "ui/bitmap.h"
#include "ui/window_printer.h"

namespace loopbeam {
namespace {

using testing::child;
using testing::textOf;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(const char* name) {
        QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton, {}, {4, 4});
    }
    void lock(const QString& typed) {
        testing::typeInto(child<QLineEdit>(window, "freqtxt"), typed);
        click("Command4");
    }

    DesignState state;
    TARNWELL window{state};
};

TEST_F(MainWindowTest, StartsAsDesigned) {
    EXPECT_EQ(window.size(), QSize(713, 447));
    EXPECT_EQ(window.windowTitle(), QString());
    EXPECT_TRUE(window.windowFlags() & Qt::Tool);
    for (const char* name : {"freqtxt", "Text9", "Text10", "Label1"})
        EXPECT_EQ(textOf(window, name), "000.000") << name;
    EXPECT_EQ(textOf(window, "awgLab"), "10");
    EXPECT_EQ(textOf(window, "elLab"), "3");
    for (const char* name : {"Text14", "Text19", "Text20", "Text21", "Text26", "Text27"})
        EXPECT_EQ(textOf(window, name), "") << name;
    for (const char* name : {"Option1", "Option2", "Option3"})
        EXPECT_FALSE(child<QRadioButton>(window, name)->isChecked());
    EXPECT_EQ(textOf(window, "Text6"), "INPUT CENTER\nFREQUENCY IN MHZ\n");
    EXPECT_EQ(child<QWidget>(window, "Text1")->geometry(), QRect(96, 0, 489, 32));
    EXPECT_EQ(window.focusWidget(), child<QWidget>(window, "Text1"));
    EXPECT_EQ(state, DesignState{});
}

TEST(Pictures, ReadAtTheirSizes) {
    EXPECT_EQ(ui::readBitmap(QStringLiteral(":/loopbeam/swr.bmp")).size(), QSize(239, 39));
    EXPECT_EQ(ui::readBitmap(QStringLiteral(":/loopbeam/matching.bmp")).size(), QSize(311, 90));
    EXPECT_TRUE(ui::readBitmap(QStringLiteral(":/loopbeam/hand.png")).isNull());
}

TEST_F(MainWindowTest, TabOrderFollowsTheTable) {
    const char* order[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5", "Text6",   "freqtxt", "Text9",
                           "Text10", "Text11", "vsbAwg", "Text12", "vsbEl", "Option1", "Command1"};
    window.activateWindow();
    child<QWidget>(window, "Text1")->setFocus();
    for (const char* name : order) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(MainWindowTest, AWholeDesignThroughTheWidgets) {
    lock("14.2");
    EXPECT_EQ(textOf(window, "Label1"), "14.2");
    EXPECT_EQ(textOf(window, "Text10"), "14.4030");
    EXPECT_EQ(textOf(window, "Text9"), "13.9969");

    testing::typeInto(child<QLineEdit>(window, "freqtxt"), "21.2");  // typed, not locked
    QTest::mouseClick(child<QLineEdit>(window, "freqtxt"), Qt::LeftButton);
    EXPECT_EQ(textOf(window, "freqtxt"), "14.2");
    EXPECT_EQ(state.freq, 14.2f);

    auto* gauge = child<QScrollBar>(window, "vsbAwg");
    gauge->setFocus();
    QTest::keyClick(gauge, Qt::Key_Down);
    QTest::keyClick(gauge, Qt::Key_Down);
    EXPECT_EQ(textOf(window, "awgLab"), "14");
    click("Option1");
    click("Command1");
    const char* feet[][2] = {{"Text14", "67"}, {"Text21", "7.826843"},  {"Text15", "70"},   {"Text22", "9.295807"},
                             {"Text19", "25"}, {"Text26", "0.3167725"}, {"Text20", "FEET"}, {"Text27", "INCHES"}};
    for (const auto& [box, text] : feet) EXPECT_EQ(textOf(window, box), text) << box;

    click("Command2");
    EXPECT_EQ(textOf(window, "Text20"), "METER");
    EXPECT_EQ(textOf(window, "Text21"), "62.0401818847657");
    click("Command1");
    EXPECT_EQ(textOf(window, "Text27"), "INCHES");
    EXPECT_EQ(textOf(window, "Text21"), "7.826843");
}

TEST(MainWindowRefusals, ShowAMessageAndChangeNoBoxAndNoField) {
    struct Case {
        const char* name;
        const char* lockFirst;    // locked before the step, nullptr for none
        const char* designType;   // clicked before the step, nullptr for none
        const char* typedBefore;  // left in the frequency box
        const char* button;       // the step
        const char* title;
    };
    const Case cases[] = {
        {"lock a text with a unit", "14.2", "Option3", "14.2MHz", "Command4", "SET AND LOCK FREQUENCY"},
        {"calculate with 0 locked", "0", "Option3", "0", "Command1", "CALCULATE/FEET & INCHES"},
        {"calculate before a design type", "14.2", nullptr, "14.2", "Command1", "CALCULATE/FEET & INCHES"},
        {"convert before a calculation", "14.2", "Option1", "14.2", "Command2", "CONVERT TO METRIC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignState state;
        TARNWELL window(state);
        window.show();
        const auto click = [&](const char* name) {
            QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton, {}, {4, 4});
        };
        testing::typeInto(child<QLineEdit>(window, "freqtxt"), c.lockFirst);
        click("Command4");
        if (c.designType) click(c.designType);
        testing::typeInto(child<QLineEdit>(window, "freqtxt"), c.typedBefore);

        const DesignState fieldsBefore = state;
        const auto textsBefore = testing::allTexts(window);
        const auto problem = testing::problemShownBy([&] { click(c.button); });
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->title, c.title);
        EXPECT_FALSE(problem->text.isEmpty());
        EXPECT_EQ(testing::allTexts(window), textsBefore);
        EXPECT_EQ(state, fieldsBefore);
    }
}

TEST_F(MainWindowTest, ScrollBarsStepAndStopAtTheirLimits) {
    struct Case {
        const char* bar;
        const char* label;
        QAbstractSlider::SliderAction action;
        int times;
        const char* shows;
    };
    const Case cases[] = {
        {"vsbAwg", "awgLab", QAbstractSlider::SliderSingleStepSub, 1, "10"},  // up arrow at the top
        {"vsbAwg", "awgLab", QAbstractSlider::SliderSingleStepAdd, 1, "12"},
        {"vsbAwg", "awgLab", QAbstractSlider::SliderPageStepAdd, 9, "20"},
        {"vsbEl", "elLab", QAbstractSlider::SliderSingleStepAdd, 1, "4"},
        {"vsbEl", "elLab", QAbstractSlider::SliderPageStepAdd, 1, "6"},
        {"vsbEl", "elLab", QAbstractSlider::SliderPageStepAdd, 30, "50"},
        {"vsbEl", "elLab", QAbstractSlider::SliderSingleStepAdd, 1, "50"},  // down arrow at the bottom
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.bar) + " " + c.shows);
        auto* bar = child<QScrollBar>(window, c.bar);
        for (int i = 0; i < c.times; ++i) bar->triggerAction(c.action);
        EXPECT_EQ(textOf(window, c.label), c.shows);
    }
}

TEST_F(MainWindowTest, ADraggedThumbShowsOnlyWhereItIsLetGo) {
    auto* bar = child<QScrollBar>(window, "vsbAwg");
    bar->setSliderDown(true);
    bar->setSliderPosition(13);
    EXPECT_EQ(textOf(window, "awgLab"), "10");
    bar->setSliderDown(false);
    EXPECT_EQ(textOf(window, "awgLab"), "13");
}

TEST_F(MainWindowTest, FrequencyBoxesKeepSevenCharacters) {
    auto* freq = child<QLineEdit>(window, "freqtxt");
    testing::typeInto(freq, "14.2000001");
    EXPECT_EQ(freq->text(), "14.2000");
    lock("432.1");
    EXPECT_EQ(textOf(window, "Text9"), "425.920");
}

TEST_F(MainWindowTest, PrintsTheWindowOnOnePage) {
    QTemporaryDir folder;
    const QString path = folder.filePath("window.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    lock("14.2");
    const auto before = testing::allTexts(window);
    EXPECT_EQ(ui::printWindowImage(window, printer), std::nullopt);
    EXPECT_EQ(testing::allTexts(window), before);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
}

TEST_F(MainWindowTest, PrintWithoutADefaultPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    const auto problem = testing::problemShownBy([&] { click("Command6"); });
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->title, "PRINT");
    EXPECT_TRUE(problem->text.contains("No default printer")) << problem->text.toStdString();
}

// The top row of a control's ink: pixels unlike the colour at its inner corner.
int firstInkRow(const QImage& shot, const QRect& control) {
    const QRect inside = control.adjusted(3, 3, -3, -3);
    const QColor background = shot.pixelColor(inside.topLeft());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                200)
                return y;
        }
    return -1;
}

TEST_F(MainWindowTest, BoxesInARowReadAsOneLine) {
    lock("14.2");
    click("Option1");
    click("Command1");
    const std::vector<std::vector<const char*>> rows = {
        {"Text9", "Label1", "Text10"}, {"Text14", "Text21"}, {"Text15", "Text22"},
        {"Text19", "Text26"},          {"Text20", "Text27"}, {"Text2", "Text4"},
    };
    const QImage shot = window.grab().toImage();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.front());
        std::vector<int> tops;
        for (const char* name : row) tops.push_back(firstInkRow(shot, child<QWidget>(window, name)->geometry()));
        EXPECT_GE(*std::min_element(tops.begin(), tops.end()), 0);
        EXPECT_LE(*std::max_element(tops.begin(), tops.end()) - *std::min_element(tops.begin(), tops.end()), 1);
    }
}

TEST_F(MainWindowTest, ReturnAndEnterPressTheFocusedButtonOnly) {
    testing::typeInto(child<QLineEdit>(window, "freqtxt"), "7.1");
    QTest::keyClick(child<QLineEdit>(window, "freqtxt"), Qt::Key_Return);  // no default button: nothing locks
    EXPECT_EQ(state.freq, 0.0f);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        state.freq = 0;
        auto* lockButton = child<QPushButton>(window, "Command4");
        lockButton->setFocus();
        QTest::keyClick(lockButton, key);
        QTest::qWait(200);  // the button shows itself pressed a moment
        EXPECT_EQ(state.freq, 7.1f) << key;
    }
}

TEST_F(MainWindowTest, AFocusedScrollBarShowsItsFocus) {
    auto* bar = child<QScrollBar>(window, "vsbEl");
    window.activateWindow();
    child<QWidget>(window, "Text1")->setFocus();
    const QImage unfocused = bar->grab().toImage();
    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_NE(bar->grab().toImage(), unfocused);
}

// What a screen reader says of each box, bar and caption.
TEST_F(MainWindowTest, EveryBoxAndBarHasAnAccessibleName) {
    const auto nameOf = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(child<QWidget>(window, control))->text(QAccessible::Name);
    };
    const auto expectNames = [&](const std::vector<std::pair<const char*, const char*>>& names) {
        for (const auto& [control, name] : names) EXPECT_EQ(nameOf(control), name) << control;
    };
    for (auto* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control) ||
            qobject_cast<QScrollBar*>(control)) {
            EXPECT_FALSE(nameOf(qPrintable(control->objectName())).isEmpty()) << control->objectName().toStdString();
        }
    }
    expectNames({{"freqtxt", "Centre frequency in MHz"},
                 {"Text9", "Lower edge of the estimated usable range, MHz"},
                 {"vsbAwg", "Wire gauge, AWG"},
                 {"vsbEl", "Number of elements"},
                 {"Text14", "Directors, whole feet"},
                 {"Text26", "Spreader hole spacing, inches"},
                 {"Text6", "INPUT CENTER FREQUENCY IN MHZ"},
                 {"Text1", "QUAD ANTENNA DESIGN by MORVAN"}});
    lock("14.2");
    click("Option1");
    click("Command1");
    click("Command2");
    expectNames({{"Text14", "Directors, whole metres"}, {"Text26", "Spreader hole spacing, centimetres"}});
}

// However STANDARD HIGH GAIN becomes selected, its type is chosen with the
// constants of the element count of that moment (the design's table: 5
// elements 984 and 1083, 3 elements 975 and 1065); selected once more at 3,
// a click applies them again, while Toggle leaves a selected option as it is.
TEST(DesignTypeOptions, EveryWayOfSelectingChoosesTheType) {
    using Select = std::function<void(TARNWELL&, QRadioButton&)>;
    const auto click = [](TARNWELL&, QRadioButton& option) { QTest::mouseClick(&option, Qt::LeftButton, {}, {4, 4}); };
    struct Case {
        const char* way;
        Select select;
        float dirConstAgain, refConstAgain;
    };
    const Case cases[] = {
        {"a mouse click", click, 975, 1065},
        {"Space on the focused option",
         [](TARNWELL&, QRadioButton& option) {
             option.setFocus();
             QTest::keyClick(&option, Qt::Key_Space);
         },
         975, 1065},
        {"the up arrow from DOUBLE REFLECTOR below it",
         [&](TARNWELL& window, QRadioButton&) {
             auto* below = child<QRadioButton>(window, "Option3");
             click(window, *below);
             below->setFocus();
             QTest::keyClick(below, Qt::Key_Up);
         },
         975, 1065},
        {"an assistive technology's Toggle",
         [](TARNWELL&, QRadioButton& option) {
             QAccessible::queryAccessibleInterface(&option)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         },
         984, 1083},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        DesignState state;
        TARNWELL window(state);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto* option = child<QRadioButton>(window, "Option1");
        auto* elements = child<QScrollBar>(window, "vsbEl");
        elements->setValue(5);
        c.select(window, *option);
        EXPECT_TRUE(option->isChecked());
        EXPECT_EQ(std::pair(state.dirConst, state.refConst), std::pair(984.0f, 1083.0f));
        elements->setValue(3);
        c.select(window, *option);
        EXPECT_EQ(std::pair(state.dirConst, state.refConst), std::pair(c.dirConstAgain, c.refConstAgain));
    }
}

// What a screen reader is given: the window as a window, a caption box as
// its text alone, without the viewport and scroll bars of a text box.
TEST_F(MainWindowTest, ScreenReadersReadCaptionBoxesWhole) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(child<QWidget>(window, "Text6"));
    EXPECT_EQ(caption->role(), QAccessible::EditableText);
    EXPECT_EQ(caption->childCount(), 0);
    QAccessibleTextInterface* text = caption->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 30);  // "INPUT CENTER\nFREQUENCY IN MHZ\n"
    const std::tuple<int, int, const char*> ranges[] = {
        {0, 5, "INPUT"}, {6, 12, "CENTER"}, {13, -1, "FREQUENCY IN MHZ\n"}, {26, 99, "MHZ\n"}, {8, 2, ""}};
    for (const auto& [start, end, expected] : ranges) EXPECT_EQ(text->text(start, end), expected) << start;
    text->setSelection(0, 6, 12);
    EXPECT_EQ(child<QTextEdit>(window, "Text6")->textCursor().selectedText(), "CENTER");
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(6, 12));
}

// The process ends at once on EXIT, and otherwise only when its last window closes.
void press(TARNWELL& window, const char* button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

TEST(ProgramEnd, ExitEndsTheLoopWhateverIsOpen) {
    DesignState state;
    TARNWELL window(state);
    window.show();
    press(window, "Command5");
    press(window, "mnuWeb");
    QTimer::singleShot(0, &window, [&] { press(window, "Command3"); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(ProgramEnd, ClosingTheMainWindowLeavesTheMatchingWindowOpen) {
    DesignState state;
    TARNWELL window(state);
    window.show();
    press(window, "Command5");
    bool stillRunningAfterMainClosed = false;
    QTimer::singleShot(0, &window, [&] { window.close(); });
    QTimer::singleShot(50, &window, [&] {
        stillRunningAfterMainClosed = window.matchingWindow()->isVisible();
        window.matchingWindow()->close();
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(stillRunningAfterMainClosed);
}

TEST(ProgramEnd, TheToolStyleMainWindowCountsAsALastWindow) {
    DesignState state;
    TARNWELL window(state);
    window.show();
    QTimer::singleShot(0, &window, [&] { window.close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(3000);
    QApplication::exec();
    EXPECT_FALSE(timedOut);
}

}  // namespace
}  // namespace loopbeam
