#pragma once
// Driving the main window to a design and the check window through their
// real widgets: the design calculated, the check's result awaited, a
// chart's points, a save through its file dialog.

#include <gtest/gtest.h>
#include <signal.h>

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXYSeries>
#include <cerrno>
#include <fstream>

#include "mainwindow/tarnwell.h"
#include "nec/check/sweep_files.h"
#include "tests/decimal_comma.h"
#include "tests/window_test_support.h"

namespace loopbeam::testing {

// The main window after a design at 14.2 MHz, AWG 14: the type's option
// clicked at one element count, the calculation at another.
inline void calculate(TARNWELL& window, int elementsAtClick, int elements, const char* typeOption = "Option1") {
    window.show();
    typeInto(child<QLineEdit>(window, "freqtxt"), QStringLiteral("14.2"));
    QTest::mouseClick(child<QPushButton>(window, "Command4"), Qt::LeftButton);
    child<QScrollBar>(window, "vsbAwg")->setValue(14);
    child<QScrollBar>(window, "vsbEl")->setValue(elementsAtClick);
    QTest::mouseClick(child<QAbstractButton>(window, typeOption), Qt::LeftButton, {}, {4, 4});
    child<QScrollBar>(window, "vsbEl")->setValue(elements);
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
}

// STANDARD HIGH GAIN at 14.2 MHz, AWG 14.
inline void calculate(TARNWELL& window, int elements) { calculate(window, elements, elements); }

// The check window once the check of the design just calculated has its result.
inline NecCheckWindow* checkedWindow(TARNWELL& window) {
    window.checkWithNec();
    NecCheckWindow* check = window.checkWindow();
    if (QTest::qWaitFor([&] { return check->result().has_value(); }, 30000)) return check;
    ADD_FAILURE() << "the check gave no result";
    return nullptr;
}

// The main window with a design calculated and the check window with its results.
struct CheckedDesign {
    explicit CheckedDesign(int elements) {
        calculate(window, elements);
        check = checkedWindow(window);
    }
    DesignState state;
    TARNWELL window{state};
    NecCheckWindow* check = nullptr;
};

inline QXYSeries* seriesOf(const QWidget& window, const char* view, const char* series) {
    const auto* chart = child<QChartView>(window, view)->chart();
    for (auto* s : chart->series())
        if (s->objectName() == QLatin1String(series)) return qobject_cast<QXYSeries*>(s);
    ADD_FAILURE() << "no series " << series;
    return nullptr;
}

inline QList<QPointF> pointsOf(const QWidget& window, const char* view, const char* series) {
    const QXYSeries* line = seriesOf(window, view, series);
    return line ? line->points() : QList<QPointF>{};
}

inline QPushButton* buttonCaptioned(const QWidget& window, const QString& caption) {
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

// Clicks the button and answers its file dialog with the path (a file there
// replaced, as the user would confirm); the name the dialog suggested.
inline QString saveThroughDialog(QPushButton& button, const QString& path) {
    QString suggested;
    QTimer answer;  // the dialog runs its own loop: answer it from there
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(path);
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            static_cast<QDialog*>(dialog)->accept();  // as its Save button does
            answer.stop();
        }
    });
    answer.start(0);
    button.click();
    return suggested;
}

// Each access key reaches one control: buttons, labelled controls and the
// tabs' captions, every tab's page counted; a row the window hides for good
// (hideBand, hideUnits) has no key to reach.
inline void expectAccessKeysUnique(const QWidget& window) {
    const auto shown = [&](const QWidget* w) {
        for (; w && w != &window; w = w->parentWidget())
            if (w->isHidden() && !qobject_cast<QStackedWidget*>(w->parentWidget())) return false;
        return true;
    };
    QStringList texts;
    for (const auto* button : window.findChildren<QAbstractButton*>())
        if (shown(button)) texts << button->text();
    for (const auto* label : window.findChildren<QLabel*>())
        if (label->buddy() && shown(label)) texts << label->text();
    for (const auto* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    QSet<QKeySequence> keys;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        EXPECT_FALSE(keys.contains(key)) << text.toStdString();
        keys.insert(key);
    }
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Once what the window was asked has started (a queued edit too), until its run ends.
inline bool runEnds(const NecCheckWindow& check) {
    QCoreApplication::processEvents();
    return QTest::qWaitFor([&] { return !check.runner().running(); }, 60000);
}

// The check's own sweep, as an analyser would give it: a measurement the model fits with every loop x 1.
inline QString ownSweepFile(const NecCheckWindow& check, const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("own.s1p"));
    std::ofstream out(path.toStdString());
    nec::writeTouchstone(out, *check.result(), {});
    return path;
}

// The check's own sweep opened as a measurement, and its fit ended.
inline bool fittedToOwnSweep(NecCheckWindow& check, const QTemporaryDir& folder) {
    return check.openMeasurement(ownSweepFile(check, folder)) && runEnds(check);
}

// A checked design with its own sweep opened as a measurement and fitted.
struct MeasuredDesign : CheckedDesign {
    explicit MeasuredDesign(int elements) : CheckedDesign(elements) {
        fitted = check && fittedToOwnSweep(*check, folder);
    }
    QTemporaryDir folder;
    bool fitted = false;
};

// The texts of the labels within, a line each: what the user reads there.
inline QString labelTexts(const QWidget& widget) {
    QStringList texts;
    for (const auto* label : widget.findChildren<QLabel*>()) texts << label->text();
    return texts.join(QLatin1Char('\n'));
}

inline bool gone(pid_t pid) { return kill(pid, 0) == -1 && errno == ESRCH; }

// What make() gives under C, then under a decimal-comma locale, the C library's and Qt's alike.
template <class Make>
auto underPlainAndCommaLocales(Make make) -> std::pair<decltype(make()), decltype(make())> {
    decltype(make()) plain, comma;
    {
        const ProcessLocale c(kPlainLocale);
        plain = make();
    }
    {
        const ProcessLocale german(kDecimalCommaLocale);  // says so when it cannot be set
        EXPECT_EQ(german.decimalPoint(), ",");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        comma = make();
        QLocale::setDefault(QLocale::c());
    }
    return {plain, comma};
}

}  // namespace loopbeam::testing
