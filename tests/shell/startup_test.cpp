#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using Lines = std::vector<std::string>;

// Guards the start-up order (table set up hidden, splash shown, table shown once when the timer fires), and
// the hand-over's other side: a later copy's game file comes to the front and opens through Open Game's own
// flow, asking about the game on the table first; a later copy without a file only raises it.
TEST(Startup, ShowsTheTableAfterTheSplashAndOpensWhatALaterCopyHandsOver) {
    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    ASSERT_TRUE(app.start());
    EXPECT_EQ(f.log.matching("splash"), (Lines{"splash timer 2500", "splash show"}));
    EXPECT_FALSE(f.view.shown());
    f.splash.fireTimer();
    EXPECT_TRUE(f.view.shown());
    f.splash.fireTimer();
    ASSERT_TRUE(f.system.fromOtherCopies);
    f.system.fromOtherCopies("");
    EXPECT_EQ(f.log.matching("window show").size(), 2u) << "shown once, raised once";
    f.files.put("/g/b.tn2", testing_support::fileOf(testing_support::sampleLines()));
    app.state().bChange = true;
    f.messages.answer({MsgAnswer::No});
    f.system.fromOtherCopies("/g/b.tn2");
    EXPECT_EQ(f.messages.shown(), Lines{"Tandora|35|Do you want to save the current game?"});
    EXPECT_EQ(f.view.scene().caption, "Tandora - b.tn2");
}

// Guards the single instance: the second copy says so, brings the first to the front and touches neither
// settings nor the table; given a game file it hands the file over and ends without a word, unless the
// running copy cannot be reached.
TEST(Startup, SecondCopyIsRefused) {
    const Lines refused{"Tandora 2.0|48|Tandora 2.0 is already running. Please check your Taskbar."};
    const std::tuple<std::optional<std::string>, bool, Lines, Lines> rows[] = {
        {std::nullopt, true, {""}, refused},
        {"/g/evening.tn2", true, {"/g/evening.tn2"}, {}},
        {"/g/evening.tn2", false, {"/g/evening.tn2", ""}, refused}};
    for (const auto& [path, answers, handedOver, messages] : rows) {
        FakePlatform f;
        f.system.otherCopyRunning = true;
        f.system.runningCopyAnswers = answers;
        ShellHooks hooks;
        EXPECT_FALSE(TandoraApp(f.platform, f.splash, hooks).start(path));
        EXPECT_EQ(f.system.handedOver, handedOver) << "the running copy comes to the front";
        EXPECT_EQ(f.messages.shown(), messages);
        EXPECT_EQ(f.settings.reads() + f.settings.writes(), 0);
        EXPECT_TRUE(!f.view.shown() && f.log.matching("splash").empty());
    }
}

constexpr const char* LogPath = "/opt/tandora/st6unst.log";
const std::string SetupLines = "ACTION: Install\r\n";

// Guards the first run's entry in the uninstall log: the 37 lines (each section's key and its values, in
// the uninstaller's order) go after what the setup wrote, once; a missing or unwritable log gets its warning
// once, on the first run only. Linux installs have no log: the first run neither warns nor writes. Each
// first run marks itself done and the start goes on.
TEST(Startup, FirstRunAppendsTheSettingsToTheUninstallLogOnce) {
    const std::string root = R"(HKEY_CURRENT_USER\Software\VB and VBA Program Settings)";
    std::string appended = SetupLines;
    for (const std::string& keys : testing_support::splitAt(
             '|',
             "MainWindow:FirstTime,Left,Top,WindowState|Options:BlueDeck,DefPoints,DeucesWild,DoubleUp,"
             "JacksOrBetter,JacksOrBetter96,Jokerpoker,LoadLastGame,RedDeck,SoundEffects|RecentFiles:File 1,"
             "File 2,File 3,File 4,Title 1,Title 2,Title 3,Title 4|Bank:Credits|Strategy:ShowBestHold,"
             "Trainer|Display:Scale|PayTables:jb85,jb96,dw,jp")) {
        const std::string section = keys.substr(0, keys.find(':'));
        appended += "ACTION: RegKey: \"" + root + "\", \"Tandora\\" + section + "\"\r\n";
        for (const std::string& name : testing_support::splitAt(',', keys.substr(section.size() + 1)))
            appended += "ACTION: RegValue: \"" + root + "\\Tandora\\" + section + "\", \"" + name + "\"\r\n";
    }
    const Lines warning{"Tandora|48|The uninstall information may be corrupt. If you decide to uninstall "
                        "Tandora 2.0 you may need to do it manually. The Readme.txt file has instructions."};
    // keeps a log, the setup wrote one, it refuses the append; the log after each run, the messages
    const std::tuple<bool, bool, bool, std::string, Lines> rows[] = {{true, true, false, appended, {}},
                                                                     {false, true, false, SetupLines, {}},
                                                                     {true, false, false, "", warning},
                                                                     {true, true, true, SetupLines, warning}};
    for (const auto& [keepsLog, present, refuses, log, messages] : rows) {
        SCOPED_TRACE(log);
        FakePlatform f;
        f.desktop.keepsUninstallLog = keepsLog;
        if (present)
            f.files.put(LogPath, SetupLines);
        if (refuses)
            f.files.failWrites("Permission denied");
        for (int run = 0; run < 2; ++run) {
            ShellHooks hooks;
            ASSERT_TRUE(TandoraApp(f.platform, f.splash, hooks).start());
            EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
            EXPECT_EQ(f.files.contents(LogPath), log);
        }
        EXPECT_EQ(f.messages.shown(), messages);
    }
}

} // namespace
} // namespace tandora
