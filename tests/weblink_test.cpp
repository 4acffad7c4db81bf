#include <gtest/gtest.h>

#include <QPushButton>

#include "tests/web_link_fixture.h"

namespace loopbeam {
namespace {

using testing::child;

using WebLinkTest = testing::WebLinkFixture;

TEST_F(WebLinkTest, StartsAsDesigned) {
    web& window = *main.webLinkWindow();
    EXPECT_EQ(window.windowTitle(), "Web Page Link");
    EXPECT_EQ(window.size(), QSize(221, 123));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(testing::textOf(window, "lblWebPage"), QString::fromLatin1(web::kAddress));
    EXPECT_EQ(testing::textOf(window, "Label2"), "Click Link Below to ");
    const QCursor hand = child<QLabel>(window, "lblWebPage")->cursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(13, 9));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(child<QLabel>(window, "Label1")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WebLinkTest, OneWindowForTheProcess) {
    web* first = main.webLinkWindow();
    QTest::mouseClick(child<QPushButton>(main, "mnuWeb"), Qt::LeftButton);
    EXPECT_EQ(main.webLinkWindow(), first);
    first->close();
    QTest::mouseClick(child<QPushButton>(main, "mnuWeb"), Qt::LeftButton);
    EXPECT_EQ(main.webLinkWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(testing::textOf(*first, "lblWebPage"), QString::fromLatin1(web::kAddress));
}

}  // namespace
}  // namespace loopbeam
