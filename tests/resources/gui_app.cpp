#include "gui_app.h"

#include <QGuiApplication>

void ensureGuiApp() {
    static int argc = 1;
    static char name[] = "resources_test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}
