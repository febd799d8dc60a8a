#include "platform/qt/qt_splash_window.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace tandora {
namespace {

enum class CloseBy { Timer, Click, Escape, CloseTwice };

struct SplashCase {
    const char* name;
    CloseBy by;
    int ticks;
};

void PrintTo(const SplashCase& c, std::ostream* os) {
    *os << c.name;
}

class QtSplashWindowTest : public testing::TestWithParam<SplashCase> {};

// Guards against the main window being shown twice or never, whichever way the splash goes, and against
// the timer still firing after the player closed the splash.
TEST_P(QtSplashWindowTest, ClosingRunsTheUnloadHandlerOnce) {
    test::qtApp();
    const SplashCase& c = GetParam();
    QtSplashWindow splash([](int) {
        QImage image(390, 191, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return image;
    });
    int ticks = 0;
    int unloads = 0;
    splash.setUnloadHandler([&] { ++unloads; });
    splash.showSplash();
    splash.startTimer(c.by == CloseBy::Timer ? 10 : 100, [&] {
        ++ticks;
        splash.closeSplash();
    });
    EXPECT_EQ(splash.size(), QSize(410, 211));
    switch (c.by) {
    case CloseBy::Timer: break;
    case CloseBy::Click: QTest::mouseClick(&splash, Qt::LeftButton); break;
    case CloseBy::Escape: QTest::keyClick(&splash, Qt::Key_Escape); break;
    case CloseBy::CloseTwice:
        splash.closeSplash();
        splash.closeSplash();
        break;
    }
    QTest::qWait(200);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_FALSE(splash.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Rows, QtSplashWindowTest,
                         testing::Values(SplashCase{"timer", CloseBy::Timer, 1},
                                         SplashCase{"click", CloseBy::Click, 0},
                                         SplashCase{"escape", CloseBy::Escape, 0},
                                         SplashCase{"closeTwice", CloseBy::CloseTwice, 0}),
                         [](const testing::TestParamInfo<SplashCase>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace tandora
