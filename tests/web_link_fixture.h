#pragma once
// The main window with its web link window opened by WEB LINK.

#include <gtest/gtest.h>

#include <QPushButton>

#include "mainwindow/tarnwell.h"
#include "tests/window_test_support.h"

namespace loopbeam::testing {

class WebLinkFixture : public ::testing::Test {
protected:
    void SetUp() override {
        main.show();
        QTest::mouseClick(child<QPushButton>(main, "mnuWeb"), Qt::LeftButton);
        ASSERT_NE(main.webLinkWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.webLinkWindow()));
    }
    void clickLabel(const char* name) {
        QTest::mouseClick(child<QLabel>(*main.webLinkWindow(), name), Qt::LeftButton, {}, {5, 5});
    }

    DesignState state;
    TARNWELL main{state};
};

}  // namespace loopbeam::testing
