// Drives one design through the real widgets on a real display (make
// screenshot runs it under Xvfb) and saves the windows before and after, and
// every tab of its NEC-2 check: in free space, tuned for front-to-back (also
// with the results stale), and over ground; then the several bands' window
// with 20 and 15 m checked and tuned for resonance, every tab, and a band it refuses.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "design/design_state.h"
#include "mainwindow/tarnwell.h"
#include "nec/check/sweep_files.h"
#include "severalbands/panels/band_list.h"
#include "severalbands/several_bands_window.h"
#include "ui/font_substitutions.h"

namespace {

bool save(QWidget& window, const QString& path) {
    QTest::qWait(200);  // let the X server draw
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    return shot.save(path);
}

template <class Widget>
Widget* child(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

void press(QWidget& window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    loopbeam::ui::installFontSubstitutions();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
    QDir().mkpath(folder);

    loopbeam::DesignState state;
    loopbeam::TARNWELL window(state);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    bool saved = save(window, folder + QStringLiteral("/main-start.png"));

    auto* freq = child<QLineEdit>(window, "freqtxt");
    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("14.2"));
    press(window, "Command4");
    child<QScrollBar>(window, "vsbAwg")->triggerAction(QScrollBar::SliderSingleStepAdd);
    child<QScrollBar>(window, "vsbAwg")->triggerAction(QScrollBar::SliderSingleStepAdd);
    QTest::mouseClick(child<QRadioButton>(window, "Option1"), Qt::LeftButton, {}, QPoint(5, 5));
    press(window, "Command1");
    saved = save(window, folder + QStringLiteral("/main-feet.png")) && saved;
    press(window, "Command2");
    saved = save(window, folder + QStringLiteral("/main-metric.png")) && saved;

    press(window, "Command5");
    loopbeam::Form1& matching = *window.matchingWindow();
    if (!QTest::qWaitForWindowExposed(&matching)) return 1;
    saved = save(matching, folder + QStringLiteral("/matching-start.png")) && saved;
    auto* list = child<QListWidget>(matching, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    press(matching, "Command1");
    saved = save(matching, folder + QStringLiteral("/matching-feet.png")) && saved;
    press(matching, "Command2");
    saved = save(matching, folder + QStringLiteral("/matching-metric.png")) && saved;

    press(window, "mnuWeb");
    loopbeam::web& webLink = *window.webLinkWindow();
    if (!QTest::qWaitForWindowExposed(&webLink)) return 1;
    saved = save(webLink, folder + QStringLiteral("/weblink.png")) && saved;

    // The NEC-2 check of the design, one picture a tab: in free space and over
    // ground, at the size the window opens at and at its minimum size.
    webLink.close();
    matching.close();
    window.checkWithNec();
    loopbeam::NecCheckWindow& check = *window.checkWindow();
    if (!QTest::qWaitFor([&] { return check.result().has_value(); }, 30000)) return 1;
    auto* charts = check.findChild<QTabWidget*>(QStringLiteral("charts"));
    const QSize opened = check.size();
    const auto everyTab = [&](const QString& model, int tabs = 99) {
        for (const auto& [size, name] :
             {std::pair{opened, QStringLiteral("")}, {check.minimumSize(), QStringLiteral("-min")}}) {
            check.resize(size);
            for (int tab = 0; tab < std::min(tabs, charts->count()); ++tab) {
                charts->setCurrentIndex(tab);
                const QString file =
                    QStringLiteral("%1/nec-%2-%3%4.png")
                        .arg(folder, model,
                             charts->tabText(tab).remove(QLatin1Char('&')).toLower().split(QLatin1Char(' ')).front(),
                             name);
                saved = save(check, file) && saved;
            }
        }
        check.resize(opened);
        charts->setCurrentIndex(0);
    };
    everyTab(QStringLiteral("freespace"));

    // Tuned for front-to-back: the summary, the cut list and the sweep charts
    // show both designs; then stale, with its banner, once the main window locks again.
    auto* goal = check.findChild<QComboBox*>(QStringLiteral("tuneGoal"));
    goal->setCurrentIndex(goal->findText(QStringLiteral("front-to-back")));
    QTest::mouseClick(check.findChild<QPushButton*>(QStringLiteral("tune")), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return check.tuned().has_value(); }, 60000)) return 1;
    everyTab(QStringLiteral("tuned"));
    // The cut list also in the units a builder in feet and inches reads.
    charts->setCurrentIndex(1);
    auto* units = check.findChild<QComboBox*>(QStringLiteral("cutUnits"));
    units->setCurrentIndex(units->findText(QStringLiteral("feet and inches"), Qt::MatchStartsWith));
    saved = save(check, folder + QStringLiteral("/nec-tuned-cut-feet.png")) && saved;
    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("14.25"));
    press(window, "Command4");
    everyTab(QStringLiteral("tuned-stale"), 2);
    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("14.2"));
    press(window, "Command4");
    for (auto* option : check.findChildren<QRadioButton*>())
        if (option->text().contains(QStringLiteral("ground"))) option->click();
    QTest::mouseClick(check.findChild<QPushButton*>(QStringLiteral("run")), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return check.result() && check.result()->summary.elevationDegrees > 0; }, 60000))
        return 1;
    everyTab(QStringLiteral("ground"));
    // Over ground, the model's own sweep opened as a measurement: the summary's Measured
    // rows beside the model's, the feed-line fields, the cut list's As cut
    // column and the trims.
    {
        QTemporaryDir measurements;
        const QString own = measurements.filePath(QStringLiteral("own.s1p"));
        std::ofstream(own.toStdString()) << [&] {
            std::ostringstream text;
            loopbeam::nec::writeTouchstone(text, *check.result(), {});
            return text.str();
        }();
        if (!check.openMeasurement(own)) return 1;
        if (!QTest::qWaitFor([&] { return !check.runner().running(); }, 60000)) return 1;
        auto* summary = check.findChild<QWidget*>(QStringLiteral("summary"))->findChild<QScrollArea*>();
        summary->verticalScrollBar()->setValue(summary->verticalScrollBar()->maximum());  // the Measured rows
        saved = save(check, folder + QStringLiteral("/nec-measured-summary.png")) && saved;
        charts->setCurrentIndex(1);
        saved = save(check, folder + QStringLiteral("/nec-measured-cut.png")) && saved;
        charts->setCurrentIndex(0);
    }

    // The several bands' window: each band's tab with its summary and charts, and the cut list.
    check.close();
    window.openSeveralBands();
    loopbeam::SeveralBandsWindow& bands = *window.severalBandsWindow();
    if (!QTest::qWaitForWindowExposed(&bands)) return 1;
    saved = save(bands, folder + QStringLiteral("/bands-start.png")) && saved;
    bands.bandList().setTicked({"20 m", "15 m"});
    press(bands, "check");
    if (!QTest::qWaitFor([&] { return bands.checked() && !bands.runner().running(); }, 60000)) return 1;
    auto* bandTabs = bands.findChild<QTabWidget*>(QStringLiteral("bandTabs"));
    const auto everyBandTab = [&](const QString& state) {
        for (int tab = 0; tab < bandTabs->count(); ++tab) {
            bandTabs->setCurrentIndex(tab);
            const QString name = bandTabs->tabText(tab).remove(QLatin1Char('&')).remove(QLatin1Char(' ')).toLower();
            auto* inner = bandTabs->currentWidget()->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (int page = 0; page < (inner ? inner->count() : 1); ++page) {
                if (inner) inner->setCurrentIndex(page);
                const QString pageName =
                    inner ? QStringLiteral("-") + inner->tabText(page).remove(QLatin1Char(' ')).toLower() : QString();
                saved = save(bands, QStringLiteral("%1/bands-%2-%3%4.png").arg(folder, state, name, pageName)) && saved;
            }
            if (inner) inner->setCurrentIndex(0);
        }
        bandTabs->setCurrentIndex(0);
    };
    everyBandTab(QStringLiteral("checked"));
    auto* bandsGoal = bands.findChild<QComboBox*>(QStringLiteral("tuneGoal"));
    bandsGoal->setCurrentIndex(bandsGoal->findText(QStringLiteral("resonance")));
    press(bands, "tune");
    if (!QTest::qWaitFor([&] { return bands.checked()->tuned.has_value() && !bands.runner().running(); }, 120000))
        return 1;
    everyBandTab(QStringLiteral("tuned"));
    // A band the spider refuses: its message and the stale banner over the results kept.
    bands.bandList().setOtherCentres(QStringLiteral("0.5"));
    press(bands, "check");
    saved = save(bands, folder + QStringLiteral("/bands-refused.png")) && saved;
    return saved ? 0 : 1;
}
