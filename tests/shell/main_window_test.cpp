#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using Lines = std::vector<std::string>;

class MainWindowTest : public ::testing::Test {
protected:
    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app{f.platform, f.splash, hooks};
};

// Guards the table after set-up: face down, nothing to bet, nothing lit but how to add credits, the start-up
// sound, the first-run mark written (also where there is no uninstall log), and no recent file or separator
// in the menu.
TEST_F(MainWindowTest, SetUpShowsAnEmptyTable) {
    ASSERT_TRUE(app.start());
    TableScene empty;
    empty.caption = "Tandora - [untitled]";
    empty.addCreditsHint = true;
    empty.marks.doubleUp = empty.marks.soundEffects = true;
    EXPECT_EQ(f.view.scene(), empty);
    EXPECT_FALSE(f.view.busyPointer() || app.state().bChange);
    EXPECT_EQ(f.log.matching("sound"), Lines{"sound 8 background"});
    EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
}

// Guards the restored options (stored game, deck and sound, and no device overriding the sound option), and
// the fallback for a store with no game checked, which would otherwise fail at every start.
TEST_F(MainWindowTest, AppliesStoredOptionsAndFallsBackToJacksOrBetter) {
    for (const char* key : {"JacksOrBetter", "RedDeck"})
        f.settings.set("Options", key, "False");
    for (const char* key : {"DeucesWild", "BlueDeck"})
        f.settings.set("Options", key, "True");
    f.settings.set("Options", "DoubleUp", "0");
    f.sound.setDevices(0);
    ASSERT_TRUE(app.start());
    EXPECT_TRUE(app.state().flags().DeucesWildGame);
    EXPECT_EQ(f.view.scene().game, GameType::DeucesWild);
    EXPECT_EQ(f.view.scene().deck, Deck::Blue);
    EXPECT_EQ(f.view.scene().marks, (MenuMarks{.soundEffects = true}));
    EXPECT_FALSE(app.state().SoundOn) << "no device means no sound, whatever the option says";
    EXPECT_TRUE(f.log.matching("sound").empty());
    EXPECT_TRUE(f.messages.shown().empty());

    FakePlatform p;
    p.settings.set("Options", "JacksOrBetter", "False");
    TandoraApp a(p.platform, p.splash, hooks);
    ASSERT_TRUE(a.start());
    EXPECT_EQ(p.view.scene().game, GameType::JacksOrBetter85);
    EXPECT_EQ(p.messages.shown().size(), 1u);
}

// Guards the default window position (centred in twips of each axis; on a screen exactly 640 pixels wide -50,
// moved onto the screen), the stored one, and stored values that do not convert, each reported on its own.
TEST_F(MainWindowTest, PlacesTheWindow) {
    const std::tuple<const char*, int, int, int, const char*, const char*, const char*, double, double, int,
                     std::size_t>
        rows[] = {{"centred", 1920, 15, 15, nullptr, nullptr, nullptr, 10298, 4598, 0, 0},
                  {"centred with unequal twips", 1920, 12, 20, nullptr, nullptr, nullptr, 7418, 7298, 0, 0},
                  {"640 pixels wide", 640, 15, 15, nullptr, nullptr, nullptr, 0, 0, 0, 0},
                  {"600 pixels wide", 600, 15, 15, nullptr, nullptr, nullptr, 398, 4598, 0, 0},
                  {"stored maximised", 1920, 15, 15, "3000", "4500", "2", 4500, 3000, 2, 0},
                  {"stored minimised", 1920, 15, 15, "600", "900", "1", 900, 600, 1, 0},
                  {"bad left, good top", 1920, 15, 15, "600", "west", "0", 10298, 600, 0, 1},
                  {"good left, bad top", 1920, 15, 15, "north", "900", "0", 900, 4598, 0, 1},
                  {"nothing converts", 1920, 15, 15, "north", "west", "big", 10298, 4598, 0, 3}};
    for (const auto& [name, width, twipsX, twipsY, top, left, state, wantLeft, wantTop, wantState, messages] :
         rows) {
        SCOPED_TRACE(name);
        FakePlatform p;
        p.system.width = width;
        p.system.twipsX = twipsX;
        p.system.twipsY = twipsY;
        p.settings.set("Display", "Scale", "100");
        if (top) {
            p.settings.set("MainWindow", "Top", top);
            p.settings.set("MainWindow", "Left", left);
            p.settings.set("MainWindow", "WindowState", state);
        }
        TandoraApp a(p.platform, p.splash, hooks);
        ASSERT_TRUE(a.start());
        EXPECT_DOUBLE_EQ(p.view.windowLeft(), wantLeft);
        EXPECT_DOUBLE_EQ(p.view.windowTop(), wantTop);
        EXPECT_EQ(p.view.windowState(), wantState);
        EXPECT_EQ(p.messages.shown(), Lines(messages, "Loading Main Window|48|13: Type mismatch"));
        EXPECT_EQ(p.view.scene().caption, "Tandora - [untitled]") << "set-up goes on";
    }
}

// Guards the recent-files captions: short paths shown whole, long ones shortened, "-" hidden.
TEST_F(MainWindowTest, BuildsRecentFilesMenu) {
    f.settings.set("RecentFiles", "File 1", "/g/a.tn2");
    f.settings.set("RecentFiles", "Title 1", "a.tn2");
    f.settings.set("RecentFiles", "File 2", "/home/someone/with/a/long/folder/name/b.tn2");
    f.settings.set("RecentFiles", "Title 2", "b.tn2");
    f.settings.set("RecentFiles", "File 3", "abc");
    ASSERT_TRUE(app.start());
    EXPECT_EQ(f.view.scene().recentFiles,
              (std::array<std::string, 4>{"&1 /g/a.tn2", "&2 /.../b.tn2", "", ""}));
}

// Guards shutdown: a changed game asks first; Cancel keeps the window open and saves nothing, the sound
// stops either way.
TEST_F(MainWindowTest, ShutdownSavesOnlyWhenAllowed) {
    ASSERT_TRUE(app.start());
    app.state().bChange = true;
    f.log.clear();
    f.messages.answer({MsgAnswer::Cancel, MsgAnswer::No});
    EXPECT_FALSE(app.queryUnload());
    EXPECT_TRUE(f.log.matching("setting").empty());
    EXPECT_EQ(f.log.matching("sound"), Lines{"sound stop"});
    EXPECT_EQ(app.state().PendingAction, 3);
    app.menuClick({MenuItem::GameMenu_Exit});
    EXPECT_FALSE(f.log.matching("setting Options/JacksOrBetter=True").empty());
    EXPECT_TRUE(f.view.closed());
}

// Guards the Game menu's wiring: the command-line file opens at start, New Game asks and sets the table up
// again without reopening it, and each command reaches the game files.
TEST_F(MainWindowTest, GameMenuCommandsReachTheGameFiles) {
    f.files.put("/g/a.tn2", testing_support::fileOf(testing_support::sampleLines()));
    ASSERT_TRUE(app.start("/g/a.tn2"));
    EXPECT_EQ(f.view.scene().caption, "Tandora - a.tn2");
    EXPECT_EQ(app.state().vPoints, 1234);
    app.menuClick({MenuItem::GameMenu_LoadLastFile});
    EXPECT_TRUE(app.state().options.LoadLastGame);
    EXPECT_TRUE(f.view.scene().marks.loadLastGame);

    app.state().bChange = true;
    f.messages.answer({MsgAnswer::No});
    app.menuClick({MenuItem::GameMenu_NewGame});
    EXPECT_EQ(f.messages.shown().back(), "Tandora|35|Do you want to save the current game?");
    EXPECT_EQ(app.state().vPoints + app.state().CreditsIn, 0);
    EXPECT_FALSE(app.state().bChange) << "a new game has nothing to save";
    EXPECT_EQ(f.view.scene().caption, "Tandora - [untitled]");
    EXPECT_EQ(app.state().RecentPaths[1], "-") << "the start-up file is not opened again";

    // The new game has no file: Save asks for a name rather than overwrite the one opened before.
    f.fileDialogs.answer("/g/b.tn2");
    app.menuClick({MenuItem::GameMenu_SaveGame});
    ASSERT_EQ(f.fileDialogs.requests().size(), 1u);
    EXPECT_EQ(f.view.scene().caption, "Tandora - b.tn2");
    EXPECT_EQ(f.files.contents("/g/a.tn2"), testing_support::fileOf(testing_support::sampleLines()));
    app.menuClick({MenuItem::mnuFileList, 2});
    EXPECT_EQ(f.view.scene().caption, "Tandora - a.tn2");
}

// Guards the Double Up and sound switches, and the sound switch without an output device: the notice every
// time, the mark and the game untouched.
TEST_F(MainWindowTest, DoubleUpAndSoundOptionsToggle) {
    ASSERT_TRUE(app.start());
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    EXPECT_FALSE(app.state().options.DoubleUpOn || f.view.scene().marks.doubleUp);
    EXPECT_TRUE(app.state().bChange);
    app.state().bChange = false;
    app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_FALSE(app.state().SoundOn || f.view.scene().marks.soundEffects);
    EXPECT_TRUE(app.state().bChange);
    app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_TRUE(app.state().SoundOn && f.view.scene().marks.soundEffects);

    app.state().bChange = false;
    f.sound.setDevices(0);
    for (int i = 0; i < 3; ++i)
        app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_EQ(f.messages.shown(), Lines(3, "Sound Effects|64|No Wave audio device available"));
    EXPECT_TRUE(f.view.scene().marks.soundEffects);
    EXPECT_FALSE(app.state().bChange);
}

// Guards the deck choice: the deck in use asks nothing; No changes nothing; Yes on an unchanged game starts
// a New Game with the old deck, changes the deck and lays out the new backs with credits from zero and the
// window where it is; the way back asks without the leading blank; a cancelled save refuses both New Games
// and keeps the game on the table, but the new deck is chosen and shown.
TEST_F(MainWindowTest, ChangingDecksAsksAndStartsANewGame) {
    ASSERT_TRUE(app.start());
    app.state().vPoints = 57;
    const std::size_t mark = f.log.size();
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_RedDeck});
    f.messages.answer({MsgAnswer::No});
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_EQ(app.state().vPoints, 57);
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_EQ(app.state().vPoints, 0);
    EXPECT_EQ(f.view.scene().cards[4], CardBackCode);
    EXPECT_TRUE(app.state().Restarting);
    EXPECT_EQ(f.log.matching("window at").size(), 1u) << "the window stays where it is";
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_RedDeck});
    app.state().vPoints = 57;
    app.state().bChange = true;
    f.messages.answer({MsgAnswer::Yes, MsgAnswer::Cancel, MsgAnswer::Cancel});
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_EQ(app.state().vPoints, 57);
    EXPECT_TRUE(app.state().bChange) << "the game was not set up again";
    std::string steps; // questions, answers and the deck the table shows
    for (std::size_t i = mark; i < f.log.size(); ++i)
        for (const char* prefix : {"message", "answer", "deck"})
            if (f.log.lines()[i].rfind(prefix, 0) == 0)
                steps += f.log.lines()[i] + "\n";
    const std::string question = "Changing Decks: Changing decks will start a new game.\r\n\r\n";
    const std::string save = "message Tandora: Do you want to save the current game?";
    EXPECT_EQ(steps, testing_support::lines(
                         {"message " + question + " Do you want to continue?", "answer No",
                          "message " + question + " Do you want to continue?", "answer Yes", "deck blue",
                          "message " + question + "Do you want to continue?", "answer Yes", "deck red",
                          "message " + question + " Do you want to continue?", "answer Yes", save,
                          "answer Cancel", "deck blue", save, "answer Cancel"}));
    EXPECT_EQ(f.messages.shown().front().substr(0, 18), "Changing Decks|36|");
}

// Guards re-entry: a command that arrives while another one is running (at a repaint) is ignored.
TEST_F(MainWindowTest, CommandsArrivingDuringACommandAreIgnored) {
    ASSERT_TRUE(app.start());
    f.view.duringNextRepaint([this] { app.menuClick({MenuItem::OptionsMenu_DeucesWild}); });
    f.view.duringNextRepaint([this] { EXPECT_FALSE(app.queryUnload()); });
    app.menuClick({MenuItem::OptionsMenu_JokerPoker});
    EXPECT_TRUE(app.state().flags().JokerPokerGame);
    EXPECT_FALSE(app.state().flags().DeucesWildGame || f.view.closed());
    app.menuClick({MenuItem::OptionsMenu_DeucesWild});
    EXPECT_TRUE(app.state().flags().DeucesWildGame) << "the guard is released after the command";
}

// Guards the menu bar: the statistics and every Help item reach their own command.
TEST_F(MainWindowTest, MenuItemsReachTheirCommand) {
    ASSERT_TRUE(app.start());
    const std::pair<MenuItem, std::string> rows[] = {
        {MenuItem::GameMenu_Stats, "dialog Game Statistics for - [untitled] shown"},
        {MenuItem::HelpMenu_Contents, "help welcome"},
        {MenuItem::HelpMenu_KeyShortcuts, "dialog Keyboard Shortcuts shown"},
        {MenuItem::HelpMenu_Readme, "message Tandora: The Readme.txt file could not be found."},
        {MenuItem::HelpMenu_GettingStarted, "message Getting Started: Step 1"},
        {MenuItem::HelpMenu_Hands, "message Hands Defined - Jacks Or Better: Royal Flush"},
        {MenuItem::HelpMenu_Support, "message Tandora: The Technical Support page"},
        {MenuItem::HelpMenu_OrrinSoft, "message Tandora: The store page"},
        {MenuItem::HelpMenu_AboutTND, "dialog About Tandora shown"}};
    for (const auto& [item, firstEffect] : rows) {
        const std::size_t mark = f.log.size();
        app.menuClick({item});
        ASSERT_GT(f.log.size(), mark) << menuItemName(item);
        EXPECT_EQ(f.log.lines()[mark].substr(0, firstEffect.size()), firstEffect);
    }
}

} // namespace
} // namespace tandora
