#pragma once

#include <QApplication>

namespace tandora::test {

// gtest_main owns main(), so the application is made on first use; headless unless told otherwise.
inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "platform_qt_test", *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own globals are gone before a static application would be.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace tandora::test
