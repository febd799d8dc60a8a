#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using Lines = std::vector<std::string>;

// One start of the program on the platform f, as a player's session would begin.
bool start(FakePlatform& f) {
    ShellHooks hooks;
    return TandoraApp(f.platform, f.splash, hooks).start();
}

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

// Guards the first run on an install with a log: the 37 lines (each section's key and its values, in the
// uninstaller's order) go after what the setup wrote, once; the second run leaves the log alone. Linux
// installs have no log: the first run neither warns nor writes, and still marks itself done.
TEST(Startup, FirstRunAppendsTheSettingsToTheUninstallLogOnce) {
    const std::string root = R"(HKEY_CURRENT_USER\Software\VB and VBA Program Settings)";
    std::string expected = SetupLines;
    for (const auto& [section, names] : std::initializer_list<std::pair<std::string, Lines>>{
             {"MainWindow", {"FirstTime", "Left", "Top", "WindowState"}},
             {"Options",
              {"BlueDeck", "DefPoints", "DeucesWild", "DoubleUp", "JacksOrBetter", "JacksOrBetter96",
               "Jokerpoker", "LoadLastGame", "RedDeck", "SoundEffects"}},
             {"RecentFiles",
              {"File 1", "File 2", "File 3", "File 4", "Title 1", "Title 2", "Title 3", "Title 4"}},
             {"Bank", {"Credits"}},
             {"Strategy", {"ShowBestHold", "Trainer"}},
             {"Display", {"Scale"}},
             {"PayTables", {"jb85", "jb96", "dw", "jp"}}}) {
        expected += "ACTION: RegKey: \"" + root + "\", \"Tandora\\" + section + "\"\r\n";
        for (const std::string& name : names)
            expected += "ACTION: RegValue: \"" + root + "\\Tandora\\" + section + "\", \"" + name + "\"\r\n";
    }
    for (const bool keepsLog : {true, false}) {
        FakePlatform f;
        f.desktop.keepsUninstallLog = keepsLog;
        f.files.put(LogPath, SetupLines);
        ASSERT_TRUE(start(f));
        EXPECT_EQ(f.files.contents(LogPath), keepsLog ? expected : SetupLines);
        EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
        ASSERT_TRUE(start(f));
        EXPECT_EQ(f.files.contents(LogPath), keepsLog ? expected : SetupLines);
        EXPECT_TRUE(f.messages.shown().empty());
    }
}

// Guards a missing or unwritable log: the warning once, on the first run only, and the start goes on.
TEST(Startup, MissingOrUnwritableUninstallLogWarnsOnce) {
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "log refuses the append" : "no log");
        FakePlatform f;
        f.desktop.keepsUninstallLog = true;
        if (present) {
            f.files.put(LogPath, SetupLines);
            f.files.failWrites("Permission denied");
        }
        ASSERT_TRUE(start(f));
        EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
        ASSERT_TRUE(start(f));
        EXPECT_EQ(f.messages.shown(),
                  Lines{"Tandora|48|The uninstall information may be corrupt. If you decide "
                        "to uninstall Tandora 2.0 you may need to do it manually. The "
                        "Readme.txt file has instructions."});
        EXPECT_EQ(f.files.contents(LogPath), present ? SetupLines : "");
    }
}

} // namespace
} // namespace tandora
