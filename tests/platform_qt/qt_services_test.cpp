#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_file_system.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_sound_device.h"
#include "platform/qt/qt_system_info.h"
#include "platform/qt/quiet_messages.h"
#include "platform/qt/shipped_files.h"
#include "qt_test_app.h"
#include "resources/sounds/wave_file.h"

namespace tandora {
namespace {

std::string pathIn(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
}

// Makes an empty file with the given permissions.
bool touch(const QString& path, QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.setPermissions(permissions);
}

// Sets an environment variable (or removes it) for the rest of the scope; the old value comes back after.
[[nodiscard]] auto scopedEnv(const char* name, const std::optional<QByteArray>& value) {
    const auto set = [name](const std::optional<QByteArray>& v) { v ? qputenv(name, *v) : qunsetenv(name); };
    auto restore = qScopeGuard([set, old = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                                           : std::nullopt] { set(old); });
    set(value);
    return restore;
}

// Guards the tests' own set-up: ctest once passed only the first entry of every test's environment on,
// silently, so settings after it (Qt's logging rules here) never reached a test.
TEST(TestEnvironment, EveryEntryReachesTheTest) {
    if (!qEnvironmentVariableIsSet("TANDORA_CTEST"))
        GTEST_SKIP() << "run outside ctest";
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM") + " " + qgetenv("QT_LOGGING_RULES"),
              "offscreen qt.multimedia*=false");
}

// Guards the atomic write (the new text replaces the old whole, no temporary file is left beside it, and a
// write that cannot happen says why and leaves the old file as it was), reading (a missing file and an
// oversized one are refused with a reason, never read in part) and appending (to the end of an existing
// file; a missing file is not created).
TEST(QtFileSystem, WritesWholeFilesReadsWithinTheLimitAndAppendsToFilesThatExist) {
    test::qtApp();
    QTemporaryDir dir;
    QtFileSystem files;
    const std::string game = pathIn(dir, "game.tn2");
    ASSERT_TRUE(files.writeAtomically(game, "old text that is longer\r\n").ok);
    ASSERT_TRUE(files.writeAtomically(game, "new\r\n").ok);
    EXPECT_EQ(files.readAll(game, 5).bytes, "new\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"game.tn2"});
    const std::string blocked = pathIn(dir, "blocked.tn2"); // a folder where the file should be
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(blocked)));
    const FileResult refused = files.writeAtomically(blocked, "text");
    EXPECT_FALSE(refused.ok || refused.error.empty());
    EXPECT_FALSE(files.writeAtomically(pathIn(dir, "missing/folder/game.tn2"), "text").ok);
    EXPECT_EQ(files.readAll(game, 1000).bytes, "new\r\n");

    const ReadResult tooBig = files.readAll(game, 4);
    EXPECT_FALSE(tooBig.ok || !tooBig.bytes.empty() || tooBig.error.empty());
    EXPECT_FALSE(files.readAll(pathIn(dir, "absent.tn2"), 10).ok);
    EXPECT_TRUE(files.exists(game));
    EXPECT_FALSE(files.exists(dir.path().toStdString())) << "a folder is not a file";

    const std::string log = pathIn(dir, "st6unst.log");
    EXPECT_FALSE(files.appendText(log, "line\r\n").ok);
    EXPECT_FALSE(files.exists(log));
    ASSERT_TRUE(files.writeAtomically(log, "first\r\n").ok);
    ASSERT_TRUE(files.appendText(log, "second\r\n").ok);
    EXPECT_EQ(files.readAll(log, 100).bytes, "first\r\nsecond\r\n");
}

// Guards against values or keys with spaces (and the texts an INI file likes to mangle: commas, quotes, @,
// blanks) not coming back through a second store on the folder (the next run), against absent keys not
// giving the caller's default, applications and sections mixed up, and a write it could not make (here a
// folder stands where the file goes) reported as made.
TEST(QtSettingsStore, ValuesComeBackThroughASecondStoreAndRefusedWritesAreReported) {
    test::qtApp();
    QTemporaryDir dir;
    const std::array<const char*, 3> stored[] = {
        {"Options", "LoadLastGame", "True"},
        {"RecentFiles", "File 1", "/home/player/My Games/night, late.tn2"},
        {"RecentFiles", "Title 2", "\"quoted\" = @odd;"},
        {"MainWindow", "Top", "-50"},
        {"Bank", "Empty", ""}};
    for (const auto& [section, key, value] : stored)
        EXPECT_TRUE(QtSettingsStore(dir.path()).saveSetting("Tandora", section, key, value));
    QtSettingsStore second(dir.path());
    for (const auto& [section, key, value] : stored)
        EXPECT_EQ(second.getSetting("Tandora", section, key, "absent"), value) << section << "/" << key;
    EXPECT_EQ(second.getSetting("Tandora", "Options", "Top", "0"), "0");
    EXPECT_EQ(second.getSetting("Other", "Options", "LoadLastGame", "False"), "False");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Blocked.ini")));
    EXPECT_FALSE(second.saveSetting("Blocked", "Bank", "Credits", "10"));
}

// Guards the shell's result codes the help menu translates (a missing document is "not found"; where no
// launcher is, the help shows the file itself), the About box's System Info (a known tool is found where the
// system keeps programs, and a system without one answers with nothing rather than a path that cannot
// start), and the save and open dialogs' first folder: the documents folder only when there is one,
// otherwise home; a missing Documents made the save dialog propose a file named "Documents".
TEST(QtDesktop, ReportsMissingFilesAndLaunchersFindsTheInformationToolAndOnlyARealDocumentsFolder) {
    test::qtApp();
    QtDesktop desktop;
    EXPECT_EQ(desktop.openDocument("/no/such/readme.txt"), ShellResult::FileNotFound);
    EXPECT_FALSE(desktop.programFolder().empty());
    EXPECT_FALSE(desktop.startProgram("/no/such/program", {}));
    EXPECT_FALSE(desktop.installerKeepsUninstallLog()) << "Linux installs have no uninstall log";
    QTemporaryDir bin;
    const std::string readme = pathIn(bin, "readme.txt");
    ASSERT_TRUE(touch(QString::fromStdString(readme)));
    EXPECT_EQ(QtDesktop({bin.path()}).openDocument(readme), ShellResult::NoLauncher);
    EXPECT_EQ(QtDesktop({bin.path()}).openWebAddress("file:///opt/tandora/support.html"),
              ShellResult::NoLauncher);
    EXPECT_EQ(QtDesktop({bin.path()}).systemInformationTool(), "");
    ASSERT_TRUE(touch(bin.filePath("kinfocenter"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(QtDesktop({bin.path()}).systemInformationTool(), pathIn(bin, "kinfocenter"));

    const auto restoreHome = scopedEnv("HOME", bin.path().toLocal8Bit());
    const auto restoreConfig = scopedEnv("XDG_CONFIG_HOME", bin.filePath(".config").toLocal8Bit());
    const QString documents = bin.filePath("Documents");
    EXPECT_EQ(QtDesktop().documentsFolder(), bin.path().toStdString()) << "no Documents";
    ASSERT_TRUE(touch(documents));
    EXPECT_EQ(QtDesktop().documentsFolder(), bin.path().toStdString()) << "a file named Documents";
    ASSERT_TRUE(QFile::remove(documents) && QDir().mkpath(documents));
    EXPECT_EQ(QtDesktop().documentsFolder(), documents.toStdString());
}

// Guards against an installed program not finding its readme and pages: from a build folder they lie beside
// the program, from an installed tree (bin/ beside share/tandora/) in the data folder.
TEST(ShippedFiles, BesideTheProgramOrInTheInstalledDataFolder) {
    QTemporaryDir tree;
    const QString bin = tree.filePath("bin"), data = tree.filePath("share/tandora");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(tree.filePath("share")));
    EXPECT_EQ(shippedFilesFolder(bin + "/"), bin) << "a build folder keeps its own copies";
    ASSERT_TRUE(touch(data));
    EXPECT_EQ(shippedFilesFolder(bin), bin) << "a file of that name is not the data folder";
    ASSERT_TRUE(QFile::remove(data) && QDir().mkpath(data));
    EXPECT_EQ(shippedFilesFolder(bin), data);
    EXPECT_EQ(shippedFilesFolder(bin, {}), bin) << "without an installed layout only the program's folder";
}

// Guards printing to a PDF file, which is how a player keeps a printed report (a long text of aligned
// columns fills several pages and the file is a real PDF), and a printer that cannot start: reported as a
// failure, never as printed.
TEST(QtPrinter, PrintsPlainTextIntoAPdfFileOrSaysItFailed) {
    test::qtApp();
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    std::string text = "Game Statistics for evening.tn2\r\n";
    for (int i = 0; i < 150; ++i)
        text += "Hands Played          1,234\r\n";
    EXPECT_EQ(QtPrinter::toPdfFile(path).printText("Game Statistics", text), PrintResult::Printed);
    QFile pdf(path);
    const QString bytes = QString::fromLatin1(pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : "");
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count(QRegularExpression("/Type /Page\\s")), 2) << "150 lines take more than one page";
    EXPECT_EQ(QtPrinter::toPdfFile("/no/such/folder/report.pdf").printText("Game Statistics", "Odds"),
              PrintResult::Failed);
}

// Guards against a machine without sound output blocking or crashing the game on a waited-for sound.
TEST(QtSoundDevice, WithoutAnOutputNothingIsPlayedAndNothingWaits) {
    test::qtApp();
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has an audio output";
    int asked = 0;
    QtSoundDevice sound([&asked](int) {
        ++asked;
        const auto image = writeWave(std::vector<std::int16_t>(16000), 1, 8000); // two seconds of silence
        return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
    });
    EXPECT_EQ(sound.waveOutGetNumDevs(), 0);
    QElapsedTimer timer;
    timer.start();
    sound.play(9, false);
    sound.play(3, true);
    sound.stop();
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(asked, 0);
}

// Guards the quiet terminal: the audio back end's complaints about a missing sound server are dropped, and
// nothing else is, not even an audio message that is a real error.
TEST(QuietMessages, DropOnlyTheAudioLibrarysNoise) {
    EXPECT_TRUE(isLibraryNoise(QtWarningMsg, "default", "PulseAudioService: pa_context_connect() failed"));
    EXPECT_TRUE(isLibraryNoise(QtWarningMsg, "qt.multimedia.audio", "no sink"));
    EXPECT_FALSE(isLibraryNoise(QtCriticalMsg, "qt.multimedia.audio", "no sink"));
    EXPECT_FALSE(
        isLibraryNoise(QtWarningMsg, "default", "QPainter::begin: Paint device returned engine == 0"));
    EXPECT_FALSE(isLibraryNoise(QtWarningMsg, nullptr, "Tandora: something else"));
}

// Guards against a second copy not being refused, the lock outliving the copy that held it, and the lock
// sitting in the shared temporary folder under a name taken from $USER (with the variable unset every user
// shared one lock, and one user's copy refused another's); and the hand-over between copies: the running
// copy hears a later one's game file, or nothing, and a later copy that finds no running copy says so.
TEST(QtSystemInfo, OneCopyHoldsTheUsersLockAndHearsWhatLaterCopiesHandOver) {
    test::qtApp();
    QTemporaryDir runtime; // made owner-only, as a runtime folder must be
    ASSERT_TRUE(
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const auto restoreRuntime = scopedEnv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString named = QtSystemInfo::defaultLockPath();
#ifdef Q_OS_LINUX
    EXPECT_EQ(QFileInfo(named).absolutePath(), QFileInfo(runtime.path()).absoluteFilePath());
#endif
    {
        const auto noUser = scopedEnv("USER", std::nullopt), noUserName = scopedEnv("USERNAME", std::nullopt);
        EXPECT_EQ(QtSystemInfo::defaultLockPath(), named) << "the lock must not depend on $USER";
    }
    EXPECT_FALSE(QtSystemInfo().handToRunningCopy("/g/a.tn2")) << "nobody listens yet";
    auto first = std::make_unique<QtSystemInfo>();
    EXPECT_EQ(first->lockPath(), named);
    EXPECT_FALSE(first->previousInstance());
    EXPECT_FALSE(first->previousInstance()) << "asking again must not find itself";
    std::vector<std::string> heard;
    first->listenForOtherCopies([&heard](const std::string& file) { heard.push_back(file); });
    QtSystemInfo later;
    ASSERT_TRUE(later.previousInstance());
    EXPECT_TRUE(later.handToRunningCopy("/home/ann/my games/\xC3\xA9t\xC3\xA9.tn2"));
    EXPECT_TRUE(later.handToRunningCopy(""));
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard.size() == 2; }, 3000));
    EXPECT_EQ(heard, (std::vector<std::string>{"/home/ann/my games/\xC3\xA9t\xC3\xA9.tn2", ""}));
    first.reset();
    EXPECT_FALSE(QtSystemInfo().previousInstance());
}

} // namespace
} // namespace tandora
