#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_file_system.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/shipped_files.h"
#include "qt_test_app.h"

namespace tandora {
namespace {

std::string pathIn(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
}

// Guards the atomic write: the new text replaces the old whole, no temporary file is left beside it, and a
// write that cannot happen says why and leaves the old file as it was.
TEST(QtFileSystem, WritesReplaceWholeFilesOrNothing) {
    test::qtApp();
    QTemporaryDir dir;
    QtFileSystem files;
    const std::string game = pathIn(dir, "game.tn2");
    ASSERT_TRUE(files.writeAtomically(game, "old text that is longer\r\n").ok);
    ASSERT_TRUE(files.writeAtomically(game, "new\r\n").ok);
    EXPECT_EQ(files.readAll(game, 1000).bytes, "new\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"game.tn2"});

    // A folder where the file should be: nothing can replace it.
    const std::string blocked = pathIn(dir, "blocked.tn2");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(blocked)));
    const FileResult refused = files.writeAtomically(blocked, "text");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.empty());
    const FileResult nowhere = files.writeAtomically(pathIn(dir, "missing/folder/game.tn2"), "text");
    EXPECT_FALSE(nowhere.ok);
    EXPECT_EQ(files.readAll(game, 1000).bytes, "new\r\n");
}

// Guards reading: a missing file and an oversized one are refused with a reason, never read in part.
TEST(QtFileSystem, ReadsWholeFilesWithinTheLimit) {
    test::qtApp();
    QTemporaryDir dir;
    QtFileSystem files;
    const std::string path = pathIn(dir, "big.tn2");
    ASSERT_TRUE(files.writeAtomically(path, std::string(2000, 'x')).ok);
    EXPECT_EQ(files.readAll(path, 2000).bytes.size(), 2000u);
    const ReadResult tooBig = files.readAll(path, 1999);
    EXPECT_FALSE(tooBig.ok);
    EXPECT_TRUE(tooBig.bytes.empty());
    EXPECT_FALSE(files.readAll(pathIn(dir, "absent.tn2"), 10).ok);
    EXPECT_TRUE(files.exists(path));
    EXPECT_FALSE(files.exists(dir.path().toStdString())) << "a folder is not a file";
}

// Guards appending: lines go to the end of an existing file, and a missing file is not created.
TEST(QtFileSystem, AppendsOnlyToFilesThatExist) {
    test::qtApp();
    QTemporaryDir dir;
    QtFileSystem files;
    const std::string log = pathIn(dir, "st6unst.log");
    EXPECT_FALSE(files.appendText(log, "line\r\n").ok);
    EXPECT_FALSE(files.exists(log));
    ASSERT_TRUE(files.writeAtomically(log, "first\r\n").ok);
    ASSERT_TRUE(files.appendText(log, "second\r\n").ok);
    EXPECT_EQ(files.readAll(log, 100).bytes, "first\r\nsecond\r\n");
}

// Guards the settings store reporting a write it could not make (here a folder stands where the file goes).
TEST(QtSettingsStore, ReportsWritesItCannotMake) {
    test::qtApp();
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    EXPECT_TRUE(store.saveSetting("Tandora", "Bank", "Credits", "10"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Blocked.ini")));
    EXPECT_FALSE(store.saveSetting("Blocked", "Bank", "Credits", "10"));
}

// Guards the shell's result codes the help menu translates: a missing document is "not found".
TEST(QtDesktop, MissingDocumentsAreNotFoundAndFoldersAreKnown) {
    test::qtApp();
    QtDesktop desktop;
    EXPECT_EQ(desktop.openDocument("/no/such/readme.txt"), ShellResult::FileNotFound);
    EXPECT_FALSE(desktop.programFolder().empty());
    EXPECT_FALSE(desktop.startProgram("/no/such/program", {}));
    EXPECT_FALSE(desktop.installerKeepsUninstallLog()) << "Linux installs have no uninstall log";
    // Where no launcher is, the help shows the file itself.
    QTemporaryDir empty;
    QTemporaryDir dir;
    const std::string readme = pathIn(dir, "readme.txt");
    ASSERT_TRUE(QtFileSystem().writeAtomically(readme, "text").ok);
    EXPECT_EQ(QtDesktop({empty.path()}).openDocument(readme), ShellResult::NoLauncher);
    EXPECT_EQ(QtDesktop({empty.path()}).openWebAddress("file:///opt/tandora/support.html"),
              ShellResult::NoLauncher);
}

// Guards the save and open dialogs' first folder: the documents folder only when there is one, otherwise
// home; a missing Documents made the save dialog propose a file named "Documents".
TEST(QtDesktop, DocumentsFolderOnlyWhenItExists) {
    test::qtApp();
    QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    const bool configSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", realHome);
        configSet ? qputenv("XDG_CONFIG_HOME", config) : qunsetenv("XDG_CONFIG_HOME");
    });
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
    const QString documents = home.filePath("Documents");
    QFile file(documents);
    EXPECT_EQ(QtDesktop().documentsFolder(), home.path().toStdString()) << "no Documents";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(QtDesktop().documentsFolder(), home.path().toStdString()) << "a file named Documents";
    ASSERT_TRUE(file.remove() && QDir().mkpath(documents));
    EXPECT_EQ(QtDesktop().documentsFolder(), documents.toStdString());
}

// Guards against an installed program not finding its readme and pages: from a build folder they lie beside
// the program, from an installed tree (bin/ beside share/tandora/) in the data folder.
TEST(ShippedFiles, BesideTheProgramOrInTheInstalledDataFolder) {
    QTemporaryDir tree;
    const QString bin = tree.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(shippedFilesFolder(bin), bin) << "a build folder keeps its own copies";
    EXPECT_EQ(shippedFilesFolder(bin + "/"), bin) << "no trailing separator";

    QFile notAFolder(tree.filePath("share/tandora"));
    ASSERT_TRUE(QDir().mkpath(tree.filePath("share")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    EXPECT_EQ(shippedFilesFolder(bin), bin) << "a file of that name is not the data folder";

    ASSERT_TRUE(notAFolder.remove());
    ASSERT_TRUE(QDir().mkpath(tree.filePath("share/tandora")));
    EXPECT_EQ(shippedFilesFolder(bin), tree.filePath("share/tandora"));
    EXPECT_EQ(shippedFilesFolder(bin, {}), bin) << "without an installed layout only the program's folder";
}

// Guards the About box's System Info: a known tool is found where the system keeps programs, and a system
// without one answers with nothing rather than a path that cannot start.
TEST(QtDesktop, FindsTheSystemInformationTool) {
    test::qtApp();
    QTemporaryDir bin;
    EXPECT_EQ(QtDesktop({bin.path()}).systemInformationTool(), "");
    QFile tool(bin.filePath("kinfocenter"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QtDesktop({bin.path()}).systemInformationTool(), pathIn(bin, "kinfocenter"));
}

} // namespace
} // namespace tandora
