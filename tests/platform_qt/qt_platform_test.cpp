// The Qt platform offscreen: files, settings, the desktop, printing, sound, the single copy, and the
// dialogs, message boxes, help and splash windows as a player drives them.
#include <QAudioDevice>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_file_system.h"
#include "platform/qt/qt_help_window.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_sound_device.h"
#include "platform/qt/qt_splash_window.h"
#include "platform/qt/qt_system_info.h"
#include "platform/qt/quiet_messages.h"
#include "platform/qt/shipped_files.h"
#include "qt_test_app.h"

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
    const std::optional<QByteArray> old =
        qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    set(value);
    return qScopeGuard([set, old] { set(old); });
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
    ASSERT_TRUE(QDir(dir.path()).mkdir("blocked.tn2")); // a folder where the file should be
    const FileResult refused = files.writeAtomically(pathIn(dir, "blocked.tn2"), "text");
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
// blanks; a hand-edited list) not coming back through a second store on the folder (the next run), against
// absent keys not giving the caller's default, applications and sections mixed up, and a write it could not
// make (here a folder stands where the file goes) reported as made.
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
    QFile edited(dir.filePath("Edited.ini")); // by hand: an unquoted comma makes a list
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly) &&
                edited.write("[RecentFiles]\nTitle 1=night, late\n") > 0);
    edited.close();
    EXPECT_EQ(second.getSetting("Edited", "RecentFiles", "Title 1", ""), "night, late");
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
    QTemporaryDir bin;
    const std::string readme = pathIn(bin, "readme.txt");
    ASSERT_TRUE(touch(QString::fromStdString(readme)));
    QtDesktop bare({bin.path()}); // programs only from bin, where no launcher is
    EXPECT_EQ(bare.openDocument("/no/such/readme.txt"), ShellResult::FileNotFound);
    EXPECT_FALSE(bare.startProgram("/no/such/program", {}));
    EXPECT_FALSE(bare.installerKeepsUninstallLog()) << "Linux installs have no uninstall log";
    EXPECT_EQ(bare.openDocument(readme), ShellResult::NoLauncher);
    EXPECT_EQ(bare.openWebAddress("file:///opt/tandora/support.html"), ShellResult::NoLauncher);
    EXPECT_EQ(bare.systemInformationTool(), "");
    ASSERT_TRUE(touch(bin.filePath("kinfocenter"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(bare.systemInformationTool(), pathIn(bin, "kinfocenter"));

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
    const std::string text = QString("Hands Played          1,234\r\n").repeated(150).toStdString();
    EXPECT_EQ(QtPrinter::toPdfFile(path).printText("Game Statistics", text), PrintResult::Printed);
    QFile pdf(path);
    const QString bytes = QString::fromLatin1(pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : "");
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count(QRegularExpression("/Type /Page\\s")), 2) << "150 lines take more than one page";
    EXPECT_EQ(QtPrinter::toPdfFile("/no/such/folder/report.pdf").printText("Game Statistics", "Odds"),
              PrintResult::Failed);
}

// Guards against a machine without sound output blocking or crashing the game on a waited-for sound: no
// sound is even loaded, so none is played or waited for.
TEST(QtSoundDevice, WithoutAnOutputNothingIsPlayedAndNothingWaits) {
    test::qtApp();
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has an audio output";
    int asked = 0;
    QtSoundDevice sound([&asked](int) { return ++asked, QByteArray(); });
    EXPECT_EQ(sound.waveOutGetNumDevs(), 0);
    sound.play(9, false);
    sound.play(3, true);
    sound.stop();
    EXPECT_EQ(asked, 0);
}

// Guards the quiet terminal: the audio back end's complaints about a missing sound server are dropped, and
// nothing else is, not even an audio message that is a real error.
TEST(QuietMessages, DropOnlyTheAudioLibrarysNoise) {
    EXPECT_TRUE(isLibraryNoise(QtWarningMsg, "default", "PulseAudioService: pa_context_connect() failed"));
    EXPECT_TRUE(isLibraryNoise(QtWarningMsg, "qt.multimedia.audio", "no sink"));
    EXPECT_FALSE(isLibraryNoise(QtCriticalMsg, "qt.multimedia.audio", "no sink"));
    EXPECT_FALSE(isLibraryNoise(QtWarningMsg, "default", "QPainter::begin: Painter already active"));
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

// Runs player on the modal window once it is up, while show() runs; returns show()'s answer.
template <typename Window, typename Show>
auto whileShown(const std::function<void(Window&)>& player, Show show) {
    test::qtApp();
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        player(*window);
    });
    return show();
}

// A dialog like the bank's: a label set at load, a text box, a combo box (list-only when asked), maybe a
// report of many lines, OK (default) and Cancel. OK closes only for a number; every press, edit and pick is
// recorded, and a list-only dialog works off the interface thread: its second poll picks "20".
constexpr ControlName txtAmount{"txtAmount"};
constexpr ControlName Combo1{"Combo1"};
constexpr ControlName lblInstructions{"lblInstructions"};

class AmountDialog : public DialogLogic {
public:
    DialogLayout layout() const override {
        using K = DialogControlKind;
        const DialogControl amount{.kind = K::TextBox, .name = txtAmount, .text = "", .items = {}};
        DialogControl points{.kind = K::ComboBox, .name = Combo1, .text = "10", .items = {"5", "10", "20"}};
        points.listOnly = listOnly;
        DialogLayout layout{"Credit Bank", {{label(lblInstructions, "")}, {amount, points}}};
        layout.rows.insert(layout.rows.end(), reportLines, {label(ControlName{"lblLine"}, "a line")});
        layout.rows.push_back(okCancelButtons());
        return layout;
    }
    void load(DialogWindow& window) override {
        window.setText(lblInstructions, "first line\r\nsecond line");
        window.setText(txtAmount, "25");
        window.selectAll(txtAmount);
    }
    void buttonClicked(DialogWindow& window, ControlName button) override {
        presses.push_back(std::string(button.text()) + ":" + window.text(txtAmount) + ":" +
                          window.text(Combo1));
        if (button == btnCancel ||
            window.text(txtAmount).find_first_not_of("0123456789") == std::string::npos)
            window.close();
    }
    void textChanged(DialogWindow& window, ControlName control) override {
        changes.push_back(std::string(control.text()) + "=" + window.text(control));
    }
    bool poll(DialogWindow& window) override {
        if (listOnly && ++polls == 2)
            window.setText(Combo1, "20");
        return false;
    }
    bool listOnly = false;
    std::size_t reportLines = 0;
    std::vector<std::string> presses, changes;
    int polls = 0;
};

// Guards the humble view: it shows what the logic set, hands the typed text and every button to the logic,
// stays open until the logic closes it, and Enter presses the default button; Escape and the close box
// press the cancel button, whose logic closes the dialog.
TEST(QtDialogs, ReportsButtonsAndStaysOpenUntilTheLogicCloses) {
    AmountDialog logic;
    whileShown<QDialog>(
        [](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Credit Bank");
            EXPECT_EQ(dialog.findChild<QLabel*>("lblInstructions")->text(), "first line\nsecond line");
            auto* amount = dialog.findChild<QLineEdit*>("txtAmount");
            EXPECT_EQ(amount->selectedText(), "25") << "the whole text is selected for typing over";
            QTest::keyClicks(amount, "abc");
            dialog.findChild<QPushButton*>("btnOK")->click();
            EXPECT_TRUE(dialog.isVisible()) << "the logic refused the text";
            amount->setText("40");
            QTest::keyClick(amount, Qt::Key_Return);
        },
        [&] { QtDialogs().showModal(logic); });
    for (const bool escape : {true, false})
        whileShown<QDialog>(
            [escape](QDialog& dialog) {
                dialog.findChild<QComboBox*>("Combo1")->setEditText("20");
                escape ? QTest::keyClick(&dialog, Qt::Key_Escape) : void(dialog.close());
            },
            [&] { QtDialogs().showModal(logic); });
    EXPECT_EQ(logic.presses, (std::vector<std::string>{"btnOK:abc:10", "btnOK:40:10", "btnCancel:25:20",
                                                       "btnCancel:25:20"}));
}

// Guards the live dialog's view: typing and picking reach the logic, the logic's own texts do not come back
// as edits, a list-only combo box takes no typing, and the logic is polled while the dialog is open; and
// dialogs on small screens: a report taller than the screen (Hold Analysis) scrolls and keeps OK on screen.
TEST(QtDialogs, ReportsEditsAndPicksPollsWhileOpenAndKeepsATallDialogsButtonsOnScreen) {
    AmountDialog logic;
    logic.listOnly = true;
    logic.reportLines = 80;
    whileShown<QDialog>(
        [&](QDialog& dialog) {
            const QRect screen = dialog.screen()->availableGeometry();
            EXPECT_LE(dialog.frameGeometry().height(), screen.height());
            auto* ok = dialog.findChild<QPushButton*>("btnOK");
            EXPECT_TRUE(screen.contains(ok->mapToGlobal(ok->rect().bottomRight())));
            auto* combo = dialog.findChild<QComboBox*>("Combo1");
            EXPECT_FALSE(combo->isEditable());
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtAmount"), "7");
            QTest::qWait(5 * DialogPollInterval.count());
            EXPECT_EQ(combo->currentText(), "20") << "set by the logic while polled";
            combo->setCurrentIndex(0);
            emit combo->activated(0);
            dialog.findChild<QPushButton*>("btnCancel")->click();
        },
        [&] { QtDialogs().showModal(logic); });
    EXPECT_EQ(logic.changes, (std::vector<std::string>{"txtAmount=7", "Combo1=5"}));
}

// Guards against a wrong icon or button set for a style, and against Escape or Enter giving an answer the
// game does not expect (Escape must never mean Yes); and texts with TABs (Hands Defined): the part after the
// TABs lines up in a second column whatever the font, lines without a TAB stay whole, and the text's own
// characters are never taken for markup.
TEST(QtMessageBoxes, StyleGivesIconButtonsAndAnswersAndTabbedLinesShowInTwoColumns) {
    using B = QMessageBox;
    const std::tuple<int, B::Icon, B::StandardButtons, int, int> rows[] = {
        {0, B::NoIcon, B::Ok, 1, 1},
        {16, B::Critical, B::Ok, 1, 1},
        {48, B::Warning, B::Ok, 1, 1},
        {64, B::Information, B::Ok, 1, 1},
        {36, B::Question, B::Yes | B::No, 7, 6},
        {35, B::Question, B::Yes | B::No | B::Cancel, 2, 6}};
    for (const auto& [style, icon, buttons, onEscape, onEnter] : rows)
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            SCOPED_TRACE(std::to_string(style) + (key == Qt::Key_Escape ? " Escape" : " Enter"));
            const int given = whileShown<QMessageBox>(
                [&](QMessageBox& box) {
                    EXPECT_EQ(box.icon(), icon);
                    EXPECT_EQ(box.standardButtons(), buttons);
                    EXPECT_EQ(box.text(), "first\nsecond");
                    QTest::keyClick(&box, key);
                },
                [&] { return QtMessageBoxes().messageBox("first\r\nsecond", style, "Tandora"); });
            EXPECT_EQ(given, key == Qt::Key_Escape ? onEscape : onEnter);
        }
    whileShown<QMessageBox>(
        [](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::RichText);
            EXPECT_TRUE(box.text().contains(
                QRegularExpression("<td[^>]*>Flush</td><td>Five "
                                   "&lt;b&gt;cards&lt;/b&gt;.</td></tr><tr><td[^>]*>Royal w/Deuce</td>"
                                   "<td>Wild.</td></tr></table><p[^>]*>&nbsp;</p><p[^>]*>Note:</p>$")))
                << box.text().toStdString();
            QTest::keyClick(&box, Qt::Key_Return);
        },
        [] {
            return QtMessageBoxes().messageBox(
                "Flush\t\tFive <b>cards</b>.\r\nRoyal w/Deuce\tWild.\r\n\r\nNote:", 64, "Hands");
        });
}

// Guards the help window: it opens at the asked page beside the table, lists every page, the contents list
// and the links between pages both turn the page, and asked again (F1 once more) the open window turns to
// the page without doubling its contents.
TEST(QtHelpWindow, ShowsThePageAndFollowsContentsAndLinks) {
    test::qtApp();
    const HelpBook book{
        "Tandora Help",
        {{"welcome", "Welcome", "<h1>Welcome</h1><p>See <a href=\"help:double-up\">the Double Up</a>.</p>"},
         {"double-up", "The Double Up", "<h1>The Double Up</h1><p>Higher card doubles.</p>"}}};
    QtHelpWindow window;
    window.showHelp(book, "double-up");
    EXPECT_TRUE(window.isVisible() && !window.isModal());
    EXPECT_EQ(window.windowTitle(), "Tandora Help");
    auto* contents = window.findChild<QListWidget*>("contents");
    auto* page = window.findChild<QTextBrowser*>("page");
    ASSERT_TRUE(contents && page);
    EXPECT_EQ(contents->count(), 2);
    EXPECT_EQ(window.currentPage(), "double-up");
    EXPECT_TRUE(page->toPlainText().contains("Higher card doubles."));
    contents->setCurrentRow(0);
    EXPECT_TRUE(page->toPlainText().contains("See the Double Up."));
    emit page->anchorClicked(QUrl("help:double-up"));
    EXPECT_EQ(window.currentPage(), "double-up");
    EXPECT_TRUE(page->toPlainText().contains("Higher card doubles."));
    window.showHelp(book, "no-such-page");
    EXPECT_EQ(contents->count(), 2);
    EXPECT_EQ(window.currentPage(), "welcome");
}

// Guards against the main window being shown twice or never, whichever way the splash goes (its timer, a
// click, Escape, closed twice), and against the timer still firing after the player closed the splash.
TEST(QtSplashWindow, ClosingRunsTheUnloadHandlerOnce) {
    test::qtApp();
    for (const std::string by : {"timer", "click", "escape", "closeTwice"}) {
        SCOPED_TRACE(by);
        QtSplashWindow splash([](int) { return QImage(390, 191, QImage::Format_RGB32); });
        int ticks = 0, unloads = 0;
        splash.setUnloadHandler([&] { ++unloads; });
        splash.showSplash();
        splash.startTimer(by == "timer" ? 10 : 100, [&] { ++ticks, splash.closeSplash(); });
        EXPECT_EQ(splash.size(), QSize(410, 211));
        if (by == "click")
            QTest::mouseClick(&splash, Qt::LeftButton);
        else if (by == "escape")
            QTest::keyClick(&splash, Qt::Key_Escape);
        else if (by == "closeTwice")
            splash.closeSplash(), splash.closeSplash();
        QTest::qWait(200);
        EXPECT_EQ(unloads, 1);
        EXPECT_EQ(ticks, by == "timer");
        EXPECT_FALSE(splash.isVisible());
    }
}

} // namespace
} // namespace tandora
