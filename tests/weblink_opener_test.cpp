#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/web_link_fixture.h"

// Opening the address needs a platform that hands it to the desktop's opener,
// so these run on a real X server (Xvfb), each in a process of its own: the
// opener is looked up once per process.

namespace loopbeam {
namespace {

using testing::child;

using WebLinkOpenerTest = testing::WebLinkFixture;

// A stand-in opener first on PATH that appends its arguments, one call a line.
class StandInOpener {
public:
    StandInOpener() {
        QFile script(folder_.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '%1'\n").arg(calls()).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", (folder_.path() + ":" + qgetenv("PATH")).toUtf8());
    }
    QString calls() const { return folder_.filePath("calls"); }
    // The calls recorded once `expected` have arrived (or a few seconds
    // passed), and a moment later, so that an extra call would show.
    QStringList recorded(int expected) const {
        QElapsedTimer waited;
        waited.start();
        while (read().size() < expected && waited.elapsed() < 5000) QTest::qWait(20);
        QTest::qWait(200);
        return read();
    }

private:
    QStringList read() const {
        QFile file(calls());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir folder_;
};

TEST_F(WebLinkOpenerTest, EachClickOnTheAddressOpensItOnce) {
    StandInOpener opener;
    clickLabel("Label1");
    clickLabel("Label2");
    clickLabel("lblWebPage");
    EXPECT_EQ(opener.recorded(1), QStringList({"https://www.arrl.org/"}));
    clickLabel("lblWebPage");
    EXPECT_EQ(opener.recorded(2), QStringList({"https://www.arrl.org/", "https://www.arrl.org/"}));
}

TEST_F(WebLinkOpenerTest, WithoutAnOpenerTheMessageShowsTheAddress) {
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toUtf8());
    for (const char* variable : {"BROWSER", "DEFAULT_BROWSER"}) qunsetenv(variable);
    const auto problem = testing::problemShownBy([&] { clickLabel("lblWebPage"); });
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->text.contains("https://www.arrl.org/"));
    EXPECT_TRUE(main.webLinkWindow()->isVisible());
}

}  // namespace
}  // namespace loopbeam
