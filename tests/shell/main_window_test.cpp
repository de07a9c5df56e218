#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "shell/gui/tform1.h"

namespace {

TEST(MainWindow, OpensWithTheProgramTitleAndCloses) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    tarvo::shell::TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.windowTitle().contains("Finansijsko knjigovodstvo, verzija:21.3.17.1"));
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
