#include <gtest/gtest.h>

#include <cmath>

#include "shell/tandora_app.h"
#include "tests/gamefiles/game_file_samples.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

class MainWindowTest : public ::testing::Test {
protected:
    void start() { ASSERT_TRUE(app.start()); }

    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app{f.platform, f.splash, hooks};
};

// Guards the table after set-up: face down, nothing to bet, nothing lit but how to add credits, the start-up
// sound, the first-run mark written (also where there is no uninstall log), and no recent file or separator
// in the menu.
TEST_F(MainWindowTest, SetUpShowsAnEmptyTable) {
    start();
    const TableScene& t = f.view.scene();
    EXPECT_EQ(t.caption, "Tandora - [untitled]");
    EXPECT_EQ(t.game, GameType::JacksOrBetter85);
    for (std::size_t i = 0; i < HandSize; ++i) {
        EXPECT_EQ(t.cards[i], CardBackCode);
        EXPECT_EQ(t.labels[i], HoldLabel::Empty);
        EXPECT_FALSE(t.positionsEnabled[i]);
    }
    EXPECT_FALSE(t.dealEnabled || t.bet1Enabled || t.maxBetEnabled || t.cashOutEnabled);
    EXPECT_TRUE(t.cashInEnabled);
    EXPECT_EQ(t.credits + t.paid + t.coins + t.coinColumn, 0);
    EXPECT_FALSE(t.gameOver || t.doubleUpLocksMenus);
    EXPECT_TRUE(t.addCreditsHint) << "a new player reads how to get credits";
    EXPECT_EQ(t.recentFiles, (std::array<std::string, 4>{}));
    EXPECT_FALSE(f.view.busyPointer());
    EXPECT_FALSE(app.state().bChange);
    EXPECT_EQ(f.log.matching("sound"), (std::vector<std::string>{"sound 8 background"}));
    EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
}

// Guards the restored options: stored game, deck and sound, and no device overriding the sound option.
TEST_F(MainWindowTest, AppliesStoredOptions) {
    f.settings.set("Options", "JacksOrBetter", "False");
    f.settings.set("Options", "DeucesWild", "True");
    f.settings.set("Options", "RedDeck", "False");
    f.settings.set("Options", "BlueDeck", "True");
    f.settings.set("Options", "DoubleUp", "0");
    f.sound.setDevices(0);
    start();
    const GameState& s = app.state();
    EXPECT_TRUE(s.flags().DeucesWildGame);
    EXPECT_EQ(f.view.scene().game, GameType::DeucesWild);
    EXPECT_EQ(f.view.scene().deck, Deck::Blue);
    EXPECT_FALSE(f.view.scene().marks.doubleUp);
    EXPECT_FALSE(s.SoundOn) << "no device means no sound, whatever the option says";
    EXPECT_TRUE(f.view.scene().marks.soundEffects);
    EXPECT_TRUE(f.log.matching("sound").empty());
}

// Guards the default window position (centred in twips of each axis; on a 640-pixel screen -50, moved
// onto the screen), the stored one, and stored values that do not convert, each reported on its own.
TEST_F(MainWindowTest, PlacesTheWindow) {
    struct Row {
        const char* name;
        int screenWidth;
        int twipsX, twipsY;
        const char* top;
        const char* left;
        const char* state;
        double wantLeft;
        double wantTop;
        int wantState;
        int messages;
    };
    const Row rows[] = {
        {"centred", 1920, 15, 15, nullptr, nullptr, nullptr, std::nearbyint((1920 * 15 - 547 * 15) / 2.0),
         std::nearbyint((1080 * 15 - 467 * 15) / 2.0), 0, 0},
        {"centred with unequal twips", 1920, 12, 20, nullptr, nullptr, nullptr,
         std::nearbyint((1920 * 12 - 547 * 15) / 2.0), std::nearbyint((1080 * 20 - 467 * 15) / 2.0), 0, 0},
        {"640 pixels wide", 640, 15, 15, nullptr, nullptr, nullptr, 0, 0, 0, 0},
        {"stored maximised", 1920, 15, 15, "3000", "4500", "2", 4500, 3000, 2, 0},
        {"stored minimised", 1920, 15, 15, "600", "900", "1", 900, 600, 1, 0},
        {"bad left, good top", 1920, 15, 15, "600", "west", "0", std::nearbyint((1920 * 15 - 547 * 15) / 2.0),
         600, 0, 1},
        {"good left, bad top", 1920, 15, 15, "north", "900", "0", 900,
         std::nearbyint((1080 * 15 - 467 * 15) / 2.0), 0, 1},
        {"nothing converts", 1920, 15, 15, "north", "west", "big",
         std::nearbyint((1920 * 15 - 547 * 15) / 2.0), std::nearbyint((1080 * 15 - 467 * 15) / 2.0), 0, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePlatform p;
        p.system.width = r.screenWidth;
        p.system.twipsX = r.twipsX;
        p.system.twipsY = r.twipsY;
        p.settings.set("Display", "Scale", "100");
        if (r.top) {
            p.settings.set("MainWindow", "Top", r.top);
            p.settings.set("MainWindow", "Left", r.left);
            p.settings.set("MainWindow", "WindowState", r.state);
        }
        ShellHooks h;
        TandoraApp a(p.platform, p.splash, h);
        ASSERT_TRUE(a.start());
        EXPECT_DOUBLE_EQ(p.view.windowLeft(), r.wantLeft);
        EXPECT_DOUBLE_EQ(p.view.windowTop(), r.wantTop);
        EXPECT_EQ(p.view.windowState(), r.wantState);
        EXPECT_EQ(p.messages.shown().size(), static_cast<std::size_t>(r.messages));
        for (const std::string& m : p.messages.shown())
            EXPECT_EQ(m, "Loading Main Window|48|13: Type mismatch");
        EXPECT_EQ(p.view.scene().caption, "Tandora - [untitled]") << "set-up goes on";
    }
}

// Guards the fallback for a store with no game checked, which would otherwise fail at every start.
TEST_F(MainWindowTest, NoStoredGameFallsBackToJacksOrBetter) {
    f.settings.set("Options", "JacksOrBetter", "False");
    start();
    EXPECT_EQ(f.view.scene().game, GameType::JacksOrBetter85);
    EXPECT_EQ(f.messages.shown().size(), 1u);
}

// Guards the recent-files captions: short paths shown whole, long ones shortened, "-" hidden.
TEST_F(MainWindowTest, BuildsRecentFilesMenu) {
    f.settings.set("RecentFiles", "File 1", "/g/a.tn2");
    f.settings.set("RecentFiles", "Title 1", "a.tn2");
    f.settings.set("RecentFiles", "File 2", "/home/someone/with/a/long/folder/name/b.tn2");
    f.settings.set("RecentFiles", "Title 2", "b.tn2");
    f.settings.set("RecentFiles", "File 3", "abc");
    start();
    EXPECT_EQ(f.view.scene().recentFiles,
              (std::array<std::string, 4>{"&1 /g/a.tn2", "&2 /.../b.tn2", "", ""}));
}

// Guards shutdown: a changed game asks first; Cancel keeps the window open and saves nothing, the sound
// stops either way.
TEST_F(MainWindowTest, ShutdownSavesOnlyWhenAllowed) {
    start();
    app.state().bChange = true;
    f.log.clear();
    f.messages.answer({MsgAnswer::Cancel, MsgAnswer::No});
    EXPECT_FALSE(app.queryUnload());
    EXPECT_TRUE(f.log.matching("setting").empty());
    EXPECT_EQ(f.log.matching("sound"), (std::vector<std::string>{"sound stop"}));
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
    EXPECT_EQ(app.state().vPoints, 0);
    EXPECT_EQ(app.state().CreditsIn, 0);
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

// Guards the Double Up and sound switches (without a device: DeckOptionsTest).
TEST_F(MainWindowTest, DoubleUpAndSoundOptionsToggle) {
    start();
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    EXPECT_FALSE(app.state().options.DoubleUpOn);
    EXPECT_FALSE(f.view.scene().marks.doubleUp);
    EXPECT_TRUE(app.state().bChange);
    app.state().bChange = false;
    app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_FALSE(app.state().SoundOn);
    EXPECT_FALSE(f.view.scene().marks.soundEffects);
    EXPECT_TRUE(app.state().bChange);
    app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_TRUE(app.state().SoundOn);
}

// Guards re-entry: a command that arrives while another one is running (at a repaint) is ignored.
TEST_F(MainWindowTest, CommandsArrivingDuringACommandAreIgnored) {
    start();
    f.view.duringNextRepaint([this] { app.menuClick({MenuItem::OptionsMenu_DeucesWild}); });
    f.view.duringNextRepaint([this] { EXPECT_FALSE(app.queryUnload()); });
    app.menuClick({MenuItem::OptionsMenu_JokerPoker});
    EXPECT_TRUE(app.state().flags().JokerPokerGame);
    EXPECT_FALSE(app.state().flags().DeucesWildGame);
    EXPECT_FALSE(f.view.closed());
    app.menuClick({MenuItem::OptionsMenu_DeucesWild});
    EXPECT_TRUE(app.state().flags().DeucesWildGame) << "the guard is released after the command";
}

} // namespace
} // namespace tandora
