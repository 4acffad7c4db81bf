// Tuning from the check window on the real nec2c (the suite NecCheckWindow,
// which keeps it from the X tests): the tuned design beside the calculated
// one in the summary, the charts and the cut list, its saves named for the
// goal, the cut list printed to a PDF file; a tuning the main window moves on
// from is stale when it ends; a tuning that fails leaves the calculated results.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdlib>

#include "necwindow/panels/cut_list_panel.h"
#include "tests/check_window_support.h"
#include "tests/engine_fakes.h"
#include "ui/window_printer.h"

namespace loopbeam {
namespace {

using testing::buttonCaptioned;
using testing::calculate;
using testing::child;

QString fileText(const QString& path) { return QString::fromUtf8(testing::fileBytes(path)); }

QStringList summaryTexts(const NecCheckWindow& check) {
    QStringList texts;
    for (const auto* label : child<QWidget>(check, "summary")->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

bool tunedWithin(const NecCheckWindow& check) {
    return QTest::qWaitFor([&] { return !check.runner().running(); }, 60000) && check.tuned().has_value();
}

TEST(NecCheckWindow, ATuningShowsTheTunedDesignBesideTheCalculatedOne) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    // Before a tuning, the calculated design, in the main window's feet and inches.
    auto* table = child<QTableWidget>(check, "cutTable");
    ASSERT_EQ(table->columnCount(), 5);
    EXPECT_EQ(table->item(1, 1)->text(), "70 ft 9 5/16 in");

    QTest::mouseClick(child<QPushButton>(check, "tune"), Qt::LeftButton);  // resonance, the first goal
    ASSERT_TRUE(tunedWithin(check));
    EXPECT_TRUE(summaryTexts(check).contains("Tuned for resonance"));
    for (const auto& [view, name] : {std::pair{"swrChart", "swrSection"}, {"impedanceChart", "reactance"}}) {
        const QXYSeries* calculated = testing::seriesOf(check, view, name);
        const QXYSeries* tuned = testing::seriesOf(check, view, (std::string(name) + "Tuned").c_str());
        ASSERT_TRUE(calculated && tuned);
        EXPECT_EQ(calculated->pen().style(), Qt::DashLine);
        EXPECT_EQ(tuned->pen().style(), Qt::SolidLine);
        EXPECT_TRUE(tuned->name().endsWith(", tuned")) << tuned->name().toStdString();
        EXPECT_EQ(tuned->count(), static_cast<int>(check.tuned()->check.sweep.size()));
    }
    // Only the driven loop changes for resonance.
    ASSERT_EQ(table->columnCount(), 6);
    EXPECT_EQ(table->item(0, 5)->text(), "unchanged");
    EXPECT_NE(table->item(1, 5)->text(), "unchanged");
    EXPECT_EQ(table->item(2, 5)->text(), "unchanged");

    QTemporaryDir folder;
    const QString stem = "quad-14.2MHz-3el-awg14-standard-high-gain-freespace-square-copper-bare-tuned-resonance";
    const struct {
        const char* button;
        const char* extension;
        const char* content;
    } saves[] = {
        {"Save &deck...", ".nec", "CM Tuned with nec2c for resonance: "},
        {"Save &Touchstone...", ".s1p", "! Tuned with nec2c for resonance: "},
        {"Save as CSV...", "-cut-list.csv", ",calculated_wire_m,change_m,change_in,change_percent\nreflector,"},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.button);
        const QString path = folder.filePath(QStringLiteral("saved") + save.extension);
        EXPECT_EQ(testing::saveThroughDialog(*buttonCaptioned(check, save.button), path), stem + save.extension);
        EXPECT_TRUE(fileText(path).contains(save.content));
    }

    // Print with no printer set up: a PDF file named for the list.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        EXPECT_EQ(testing::saveThroughDialog(*buttonCaptioned(*check.findChild<CutListPanel*>(), "Print..."), path),
                  stem + "-cut-list.pdf");
        EXPECT_TRUE(testing::fileBytes(path).startsWith("%PDF-"));
    }

    QTest::mouseClick(buttonCaptioned(check, QStringLiteral("Copy as te&xt")), Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
        "Cut list: 14.2 MHz, 3 elements, AWG 14, STANDARD HIGH GAIN, tuned for resonance with nec2c\n"));

    // What Print sends the printer, to a PDF file: one page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("cut-list.pdf"));
    EXPECT_EQ(ui::printWindowImage(check.findChild<CutListPanel*>()->sheet(), printer), std::nullopt);
    QFile pdf(folder.filePath("cut-list.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
}

// A measurement open stays fitted: to the tuned design once a tuning ends,
// as cut as the tuned list gives it; and a check asked while a fit runs
// starts once it ends.
TEST(NecCheckWindow, AMeasurementOpenIsFittedToTheDesignShown) {
    testing::MeasuredDesign design(3);
    ASSERT_TRUE(design.fitted);
    NecCheckWindow& check = *design.check;
    const QTemporaryDir& folder = design.folder;
    QTest::mouseClick(child<QPushButton>(check, "tune"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return check.tuned().has_value(); }, 60000));
    EXPECT_TRUE(check.runner().running());
    EXPECT_TRUE(check.windowTitle().contains("fitting the measurement")) << check.windowTitle().toStdString();
    auto* table = child<QTableWidget>(check, "cutTable");
    for (int row = 0; row < table->rowCount(); ++row)
        EXPECT_EQ(table->item(row, 2)->text(), table->item(row, 1)->text());
    QTest::mouseClick(child<QPushButton>(check, "cancel"), Qt::LeftButton);  // the driven loop's fit takes a while
    ASSERT_TRUE(testing::runEnds(check));

    calculate(design.window, 4);
    ASSERT_TRUE(check.openMeasurement(testing::ownSweepFile(check, folder)));
    ASSERT_TRUE(check.runner().running());
    check.startCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QLabel>(check, "heading")->text().contains("4 elements"); }, 60000));
}

// The main window calculates another design while the tuning runs: the
// tuning ends on the design it started from, then says it belongs to the earlier design; the summary keeps
// its rows in line under that banner.
TEST(NecCheckWindow, ATuningEndsOnItsOwnDesignAndIsThenStale) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    TARNWELL& window = design.window;
    QTest::mouseClick(child<QPushButton>(check, "tune"), Qt::LeftButton);
    ASSERT_TRUE(check.runner().running());
    child<QScrollBar>(window, "vsbEl")->setValue(4);
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);  // calculated anew
    ASSERT_TRUE(tunedWithin(check));
    EXPECT_EQ(check.tuned()->model.loops.size(), 3u);
    auto* stale = child<QLabel>(check, "stale");
    EXPECT_TRUE(stale->isVisibleTo(&check));
    EXPECT_TRUE(stale->text().contains("earlier design 14.2 MHz, 3 elements, AWG 14")) << stale->text().toStdString();

    QApplication::processEvents();
    const auto* grid = child<QWidget>(check, "summary")->findChild<QGridLayout*>();
    for (int row = 0; row < grid->rowCount(); ++row) {
        std::optional<int> top;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QLayoutItem* item = grid->itemAtPosition(row, column);
            const auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
            if (!label) continue;
            EXPECT_EQ(label->y(), top.value_or(label->y())) << label->text().toStdString();
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
            top = label->y();
        }
    }
}

// Every single-frequency solve fails: the search's first. Then the window,
// closed and opened on another design, names that design while it checks it.
TEST(NecCheckWindow, ATuningThatFailsSaysWhyAndLeavesTheCalculatedResults) {
    testing::CheckedDesign design(3);
    ASSERT_TRUE(design.check);
    NecCheckWindow& check = *design.check;
    TARNWELL& window = design.window;
    const test::ScratchDir scratch;
    test::writeScript(scratch.path / "nec2c",
                      "[ \"$(grep -c '^FR' \"$2\")\" = 1 ] && { echo solver broke >&2; exit 1; }\n"
                      "export PATH=\"${PATH#*:}\"\nexec nec2c \"$@\"");  // the real one, after this folder
    const std::string path = std::getenv("PATH");
    setenv("PATH", (scratch.path.string() + ":" + path).c_str(), 1);
    auto* goal = child<QComboBox>(check, "tuneGoal");
    goal->setCurrentIndex(goal->findText("front-to-back"));
    QTest::mouseClick(child<QPushButton>(check, "tune"), Qt::LeftButton);
    const bool ended = QTest::qWaitFor([&] { return !check.runner().running(); }, 60000);
    setenv("PATH", path.c_str(), 1);
    ASSERT_TRUE(ended);
    const QString message = child<QLabel>(check, "message")->text();
    EXPECT_TRUE(message.startsWith("Tuning for front-to-back stopped: nec2c ")) << message.toStdString();
    EXPECT_TRUE(message.endsWith(" The results shown are those of before the tuning.")) << message.toStdString();
    EXPECT_FALSE(check.tuned());
    EXPECT_FALSE(summaryTexts(check).contains("Tuned for front-to-back"));
    EXPECT_EQ(child<QTableWidget>(check, "cutTable")->columnCount(), 5);

    check.close();
    calculate(window, 4);
    window.checkWithNec();
    EXPECT_TRUE(child<QLabel>(check, "heading")->text().startsWith("14.2 MHz, 4 elements, AWG 14"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return check.result().has_value(); }, 30000));
}

}  // namespace
}  // namespace loopbeam
