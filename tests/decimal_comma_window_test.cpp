// The windows under a decimal-comma locale (the C library's and Qt's): the
// check, a tuning and every save and copy give what they give under C, byte
// for byte, and the model's spin boxes show a decimal point and take a comma.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <map>

#include "necwindow/panels/model_options.h"
#include "tests/check_window_support.h"
#include "tests/decimal_comma.h"

namespace loopbeam {
namespace {

using testing::buttonCaptioned;
using testing::child;

using Outputs = std::map<std::string, QByteArray>;

// Qt's default locale for its life, C's back after (as the tests' main sets it).
void addTexts(Outputs& outputs, const std::string& key, const QWidget& window) {
    QStringList texts;
    for (const auto* box : window.findChildren<QLineEdit*>()) texts << box->objectName() + '=' + box->text();
    for (const auto* label : window.findChildren<QLabel*>())
        if (label->objectName() != QLatin1String("saved")) texts << label->text();  // it names a scratch folder
    for (const auto* view : window.findChildren<QChartView*>()) texts << view->chart()->title();
    outputs[key] = texts.join('\n').toUtf8();
}

// Every save of the check window's results and the cut list copied, under `key`.
void addSaves(Outputs& outputs, const std::string& key, NecCheckWindow& check, const QTemporaryDir& folder) {
    for (const char* button : {"Save &deck...", "Save &Touchstone...", "Save results as CS&V...", "Save as CSV..."}) {
        const QString path = folder.filePath(QStringLiteral("saved"));
        testing::saveThroughDialog(*buttonCaptioned(check, QLatin1String(button)), path);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << button;
        outputs[key + button] = file.readAll();
        QFile::remove(path);
    }
    QApplication::clipboard()->clear();
    QTest::mouseClick(buttonCaptioned(check, QStringLiteral("Copy as te&xt")), Qt::LeftButton);
    outputs[key + "clipboard"] = QApplication::clipboard()->text().toUtf8();
}

// The first line where the two differ, empty when they are the same.
std::string firstDifference(const QByteArray& expected, const QByteArray& actual) {
    const QList<QByteArray> want = expected.split('\n'), got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
        if (want.value(i) != got.value(i))
            return "line " + std::to_string(i + 1) + ": \"" + want.value(i).toStdString() + "\" became \"" +
                   got.value(i).toStdString() + "\"";
    return {};
}

Outputs everyOutput() {
    Outputs outputs;
    QTemporaryDir folder;
    testing::CheckedDesign design(3);
    if (!design.check) return outputs;
    NecCheckWindow& check = *design.check;
    addTexts(outputs, "main window", design.window);
    addTexts(outputs, "checked", check);
    addSaves(outputs, "checked ", check, folder);
    QTest::mouseClick(child<QPushButton>(check, "tune"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !check.runner().running(); }, 60000) && check.tuned());
    addTexts(outputs, "tuned", check);
    addSaves(outputs, "tuned ", check, folder);
    return outputs;
}

TEST(DecimalCommaWindow, TheCheckATuningAndEverySaveAreTheSameByteForByte) {
    auto [plain, comma] = testing::underPlainAndCommaLocales(everyOutput);
    ASSERT_EQ(plain.size(), 13u);  // three windows' texts, twice four saves and a copy
    for (const auto& [key, text] : plain) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(firstDifference(text, comma[key]), "");
    }
}

struct QtLocale {
    explicit QtLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~QtLocale() { QLocale::setDefault(QLocale::c()); }
};

TEST(DecimalCommaWindow, SpinBoxesShowAPointAndTakeAComma) {
    const QtLocale german(QLocale(QLocale::German, QLocale::Germany));
    const struct {
        const char* box;
        const char* typed;
        double value;
        const char* shown;
    } cases[] = {
        {"Boom height over ground, metres", "12,5", 12.5, "12.5 m"},
        {"Boom height over ground, metres", "7.5", 7.5, "7.5 m"},
        {"Insulation thickness, millimetres", "0,75", 0.75, "0.75 mm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        ModelOptions panel;
        auto* box = [&]() -> QDoubleSpinBox* {
            for (auto* spin : panel.findChildren<QDoubleSpinBox*>())
                if (spin->accessibleName() == QLatin1String(c.box)) return spin;
            return nullptr;
        }();
        ASSERT_TRUE(box);
        box->setEnabled(true);
        box->selectAll();
        QTest::keyClicks(box, QLatin1String(c.typed));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(box->value(), c.value);
        EXPECT_EQ(box->text(), QLatin1String(c.shown));
    }
}

}  // namespace
}  // namespace loopbeam
