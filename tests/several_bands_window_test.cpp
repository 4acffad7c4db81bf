// The several bands' window on real nec2c runs: a band list the core refuses
// is told and changes nothing shown, and Cancel or closing the window ends a
// tuning with its engines and files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "severalbands/panels/band_list.h"
#include "severalbands/several_bands_window.h"
#include "tests/check_window_support.h"
#include "tests/cli_run.h"
#include "tests/decimal_comma.h"

namespace loopbeam {
namespace {

using testing::child;

constexpr int kWaitMs = 60000;

QStringList tabNames(const QTabWidget& tabs) {
    QStringList names;
    for (int i = 0; i < tabs.count(); ++i) names << tabs.tabText(i);
    return names;
}

// 20 and 15 m checked: what every case starts from.
void checkTwoBands(SeveralBandsWindow& window) {
    window.bandList().setTicked({"20 m", "15 m"});
    window.bandList().setOtherCentres({});
    window.startCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.checked() && !window.runner().running(); }, kWaitMs));
}

TEST(SeveralBandsWindow, RefusedBandListsAreToldAndChangeNothing) {
    SeveralBandsWindow window;
    window.show();
    checkTwoBands(window);
    const auto* tabs = child<QTabWidget>(window, "bandTabs");
    const QStringList shown = tabNames(*tabs);
    ASSERT_EQ(shown, (QStringList{"14.2 MHz", "21.2 MHz", "Cut &list"}));
    const QString heading = child<QLabel>(window, "heading")->text();
    EXPECT_TRUE(child<QLabel>(window, "stale")->isHidden());
    testing::expectAccessKeysUnique(window);
    struct Case {
        const char* what;
        std::vector<std::string> ticked;
        const char* others;
        const char* says;
    };
    const Case cases[] = {
        {"one band", {"20 m"}, "", "takes 2 to 5 bands, not 1"},
        {"one band typed twice over the same", {}, " , 14.2,", "takes 2 to 5 bands, not 1"},
        {"two bands within 10%", {"20 m"}, "15", "The bands at 14.2 and 15 MHz are 5.6% apart"},
        {"six bands", {"20 m", "17 m", "15 m", "12 m", "10 m", "6 m"}, "", "not 6"},
        {"a text the lock refuses", {"20 m"}, "abc", "Band \"abc\": \"abc\" is not a frequency."},
        {"a frequency too large for the lock", {"20 m"}, "1e40", "Band \"1e40\": The frequency 1e40 MHz is too large"},
        {"a decimal comma", {"20 m"}, "21,2", "\"21,2\" could be one frequency with a decimal comma or two bands"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.bandList().setTicked(c.ticked);
        window.bandList().setOtherCentres(QString::fromLatin1(c.others));
        window.startCheck();
        EXPECT_FALSE(window.runner().running());
        EXPECT_TRUE(window.message().contains(QString::fromLatin1(c.says))) << window.message().toStdString();
        if (QString::fromLatin1(c.says).startsWith("Band")) {  // the lock's words, for this window
            EXPECT_TRUE(window.message().endsWith("then press Check."));
        }
        ASSERT_TRUE(window.checked());
        EXPECT_EQ(window.checked()->design.bands.size(), 2u);
        EXPECT_EQ(tabNames(*tabs), shown);
        EXPECT_EQ(child<QLabel>(window, "heading")->text(), heading);
        EXPECT_TRUE(child<QLabel>(window, "stale")->isVisible());  // the list shown is not the one checked
    }
}

TEST(SeveralBandsWindow, CancelAndCloseEndTheTuningsEnginesAndFiles) {
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "closed" : "cancelled");
        SeveralBandsWindow window;
        window.show();
        checkTwoBands(window);
        const std::vector<nec::CheckResult> before = window.checked()->results;
        auto* goal = child<QComboBox>(window, "tuneGoal");  // the longer goal: seconds of solves
        goal->setCurrentIndex(goal->findText("front-to-back"));
        QTest::mouseClick(child<QPushButton>(window, "tune"), Qt::LeftButton);
        const CheckRunner& runner = window.runner();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !runner.children().empty(); }, kWaitMs));
        const std::vector<pid_t> children = runner.children();
        const QString directory = QString::fromStdString(runner.directory());
        if (close)
            window.close();
        else
            QTest::mouseClick(child<QPushButton>(window, "cancel"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !runner.running(); }, kWaitMs));
        for (pid_t pid : children) EXPECT_TRUE(testing::gone(pid)) << pid;
        EXPECT_FALSE(QDir(directory).exists());
        EXPECT_FALSE(window.checked()->tuned);
        EXPECT_EQ(window.checked()->results.size(), before.size());
        if (!close) {
            EXPECT_EQ(window.message(), "The tuning was cancelled; the results shown stay as they were.");
            continue;
        }
        window.reload();  // opened again: nothing of the run closed on is shown, its bar neither
        EXPECT_FALSE(window.checked());
        EXPECT_EQ(child<QProgressBar>(window, "progress")->text(), QString());
    }
}

// Tuned in the window, the quad's cut list is the one the command line ends its report with.
TEST(SeveralBandsWindow, ATuningIsTheCommandLinesAndSaysItsRounds) {
    SeveralBandsWindow window;
    window.show();
    checkTwoBands(window);
    auto* goal = child<QComboBox>(window, "tuneGoal");
    goal->setCurrentIndex(goal->findText("resonance"));
    QTest::mouseClick(child<QPushButton>(window, "tune"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.checked()->tuned && !window.runner().running(); }, kWaitMs));
    EXPECT_TRUE(child<QLabel>(window, "heading")->text().contains("Tuned for resonance with every loop present: "));
    QTest::mouseClick(testing::buttonCaptioned(window, QStringLiteral("Copy as te&xt")), Qt::LeftButton);
    const std::string copied = QApplication::clipboard()->text().toStdString();
    const cli::CliRun cli = cli::runCli("--bands 14.2,21.2 --tune resonance");
    ASSERT_EQ(cli.status, 0) << cli.said;
    ASSERT_GT(copied.size(), 100u);
    EXPECT_EQ(cli.out.substr(cli.out.size() - std::min(cli.out.size(), copied.size())), copied);
}

// The texts shown, the cut list saved as CSV and copied, of 20 and 15 m checked.
QStringList everyOutput() {
    SeveralBandsWindow window;
    window.show();
    checkTwoBands(window);
    QStringList outputs;
    for (const auto* label : window.findChildren<QLabel*>())
        if (label->objectName() != QLatin1String("saved")) outputs << label->text();  // it names a scratch folder
    outputs << tabNames(*child<QTabWidget>(window, "bandTabs"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cut.csv"));
    testing::saveThroughDialog(*testing::buttonCaptioned(window, QStringLiteral("Save as CSV...")), path);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    outputs << QString::fromUtf8(file.readAll());
    QTest::mouseClick(testing::buttonCaptioned(window, QStringLiteral("Copy as te&xt")), Qt::LeftButton);
    outputs << QApplication::clipboard()->text();
    return outputs;
}

TEST(DecimalCommaSeveralBands, TheTextsAndTheCutListSavedAndCopiedAreTheSameByteForByte) {
    const auto [plain, comma] = testing::underPlainAndCommaLocales(everyOutput);
    ASSERT_GT(plain.size(), 3);
    EXPECT_TRUE(plain.last().contains("14 ft 3 11/16 in (4.361 m)"));
    EXPECT_EQ(comma, plain);
}

}  // namespace
}  // namespace loopbeam
