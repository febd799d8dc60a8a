// Tandora: the game table, its splash and the platform it runs on.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "app/event_relay.h"
#include "engine/card_draw.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_file_system.h"
#include "platform/qt/qt_help_window.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_sound_device.h"
#include "platform/qt/qt_splash_window.h"
#include "platform/qt/qt_system_info.h"
#include "platform/qt/qt_table_window.h"
#include "platform/qt/quiet_messages.h"
#include "platform/table_presenter.h"
#include "resources/resource_catalogue.h"
#include "shell/tandora_app.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    tandora::installQuietMessages();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tandora");
    QApplication::setOrganizationName("Tandora");
    QApplication::setApplicationVersion(QStringLiteral(TANDORA_VERSION));
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TANDORA_APP_ID));
    // Developers measure start-up with TANDORA_STARTUP_TIMING=1; players never see it.
    const bool reportTiming = qEnvironmentVariableIsSet("TANDORA_STARTUP_TIMING");

    using namespace tandora;
    EventRelay relay;
    QtTableWindow window(relay);
    TablePresenter table(window);
    QtMessageBoxes messages(&window);
    QtDialogs dialogs(&window);
    QtFileDialogs fileDialogs(&window);
    QtFileSystem files;
    QtDesktop desktop;
    QtSettingsStore settings;
    QtSoundDevice sound;
    QtClock clock;
    // Developers replay the same cards with TANDORA_SEED, for screenshots and bug reports.
    bool seeded = false;
    const qulonglong seed = qEnvironmentVariable("TANDORA_SEED").toULongLong(&seeded);
    Mt19937Source random = seeded ? Mt19937Source(seed) : Mt19937Source();
    QtSystemInfo system;
    QtSplashWindow splash;
    QtPrinter printer(&window);
    // A child of the table window, so it closes with it; declared after it, so it goes first.
    QtHelpWindow help(&window);
    Platform platform{.view = table,
                      .messages = messages,
                      .dialogs = dialogs,
                      .fileDialogs = fileDialogs,
                      .files = files,
                      .desktop = desktop,
                      .settings = settings,
                      .sound = sound,
                      .clock = clock,
                      .random = random,
                      .system = system,
                      .printer = printer,
                      .help = help};
    ShellHooks hooks;
    TandoraApp app(platform, splash, hooks);
    relay.setTarget(&app);

    // The whole argument text names the game file, so a path with blanks works even unquoted. It is
    // made absolute so that the recent files list and the file dialogs work from any folder.
    std::optional<std::string> startupFile;
    const QString argument = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (!argument.isEmpty())
        startupFile = QFileInfo(argument).absoluteFilePath().toStdString();

    const qint64 toolkitReady = sinceStart.elapsed();
    if (!app.start(startupFile))
        return 0;
    if (reportTiming) {
        std::fprintf(stderr, "toolkit and window built: %lld ms\n", static_cast<long long>(toolkitReady));
        std::fprintf(stderr, "table set up: %lld ms (set-up itself %lld ms)\n",
                     static_cast<long long>(sinceStart.elapsed()),
                     static_cast<long long>(sinceStart.elapsed() - toolkitReady));
        QTimer::singleShot(0, [&] {
            std::fprintf(stderr, "splash on screen: %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
        });
    }
    return QApplication::exec();
}
