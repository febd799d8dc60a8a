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

// Guards the table after set-up: face down, nothing to bet, nothing lit but how to add credits, no recent
// files, and the start-up sound. (The recent files' captions are the path tests', the first-run mark the
// start-up tests'.)
TEST_F(MainWindowTest, SetUpShowsAnEmptyTable) {
    ASSERT_TRUE(app.start());
    TableScene empty;
    empty.caption = "Tandora - [untitled]";
    empty.addCreditsHint = empty.marks.doubleUp = empty.marks.soundEffects = true;
    EXPECT_EQ(f.view.scene(), empty);
    EXPECT_FALSE(f.view.busyPointer() || app.state().bChange);
    EXPECT_EQ(f.log.matching("sound"), Lines{"sound 8 background"});
}

// Guards the restored options (stored game, deck and sound), no device overriding the sound option and its
// switch giving a notice every time, the mark untouched; and the fallback for a store with no game checked,
// which would otherwise fail at every start.
TEST_F(MainWindowTest, AppliesStoredOptionsAndFallsBackToJacksOrBetter) {
    for (const auto& [key, value] : {std::pair{"JacksOrBetter", "False"},
                                     {"RedDeck", "False"},
                                     {"DeucesWild", "True"},
                                     {"BlueDeck", "True"},
                                     {"DoubleUp", "0"}})
        f.settings.set("Options", key, value);
    f.sound.setDevices(0);
    ASSERT_TRUE(app.start());
    EXPECT_EQ(std::tuple(f.view.scene().game, f.view.scene().deck),
              std::tuple(GameType::DeucesWild, Deck::Blue));
    EXPECT_FALSE(app.state().SoundOn) << "no device means no sound, whatever the option says";
    for (int i = 0; i < 2; ++i)
        app.menuClick({MenuItem::OptionsMenu_SoundEffects});
    EXPECT_EQ(f.messages.shown(), Lines(2, "Sound Effects|64|No Wave audio device available"));
    EXPECT_EQ(f.view.scene().marks, (MenuMarks{.soundEffects = true}));

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
        p.system.width = width, p.system.twipsX = twipsX, p.system.twipsY = twipsY;
        p.settings.set("Display", "Scale", "100");
        for (const auto& [key, value] : {std::pair{"Top", top}, {"Left", left}, {"WindowState", state}})
            if (value)
                p.settings.set("MainWindow", key, value);
        TandoraApp a(p.platform, p.splash, hooks);
        ASSERT_TRUE(a.start());
        EXPECT_EQ(std::tuple(p.view.windowLeft(), p.view.windowTop(), p.view.windowState()),
                  std::tuple(wantLeft, wantTop, wantState));
        EXPECT_EQ(p.messages.shown(), Lines(messages, "Loading Main Window|48|13: Type mismatch"));
        EXPECT_EQ(p.view.scene().caption, "Tandora - [untitled]") << "set-up goes on";
    }
}

// Guards shutdown: a changed game asks first; Cancel keeps the window open and saves nothing, the sound
// stops either way.
TEST_F(MainWindowTest, ShutdownSavesOnlyWhenAllowed) {
    ASSERT_TRUE(app.start());
    app.state().bChange = true;
    f.log.clear();
    f.messages.answer({MsgAnswer::Cancel});
    EXPECT_FALSE(app.queryUnload());
    EXPECT_EQ(f.log.matching("s"), Lines{"sound stop"}) << "no setting saved";
}

// Guards the option switches with a sound device: each flips its option and its mark and marks the game
// changed, and Sound Effects silences the sounds in play at once.
TEST_F(MainWindowTest, OptionSwitchesFlipTheirOptionAndMarkTheGameChanged) {
    ASSERT_TRUE(app.start());
    for (const MenuItem item : {MenuItem::OptionsMenu_SoundEffects, MenuItem::OptionsMenu_DoubleUp}) {
        app.state().bChange = false;
        app.menuClick({item});
        EXPECT_TRUE(app.state().bChange) << menuItemName(item);
    }
    EXPECT_EQ(f.view.scene().marks, MenuMarks{});
    EXPECT_FALSE(app.state().SoundOn || app.state().options.SoundEffects || app.state().options.DoubleUpOn);
}

// Guards the deck choice: the deck in use asks nothing; No changes nothing; Yes starts a New Game with
// credits from zero, no file and the new backs, the window where it is; the way back asks without the
// leading blank.
TEST_F(MainWindowTest, ChangingDecksAsksAndStartsANewGame) {
    ASSERT_TRUE(app.start());
    app.state().vPoints = 57;
    app.state().GameFile = "/g/a.tn2";
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_RedDeck});
    f.messages.answer({MsgAnswer::No});
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_TRUE(app.state().vPoints == 57 && f.view.scene().deck == Deck::Red);
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_BlueDeck});
    EXPECT_TRUE(app.state().vPoints == 0 && app.state().GameFile.empty() &&
                f.view.scene().cards[4] == CardBackCode && f.view.scene().deck == Deck::Blue);
    EXPECT_EQ(f.log.matching("window at").size(), 1u) << "the window stays where it is";
    app.menuClick({MenuItem::OptionsMenu_SelectDeck_RedDeck});
    const std::string ask = "Changing Decks|36|Changing decks will start a new game.\r\n\r\n";
    EXPECT_EQ(f.messages.shown(), (Lines{ask + " Do you want to continue?", ask + " Do you want to continue?",
                                         ask + "Do you want to continue?"}));
}

// Guards the menu bar: the statistics and every Help item reach their own command.
TEST_F(MainWindowTest, MenuItemsReachTheirCommand) {
    ASSERT_TRUE(app.start());
    using enum MenuItem;
    const MenuItem items[] = {GameMenu_Stats,   HelpMenu_Contents,       HelpMenu_KeyShortcuts,
                              HelpMenu_Readme,  HelpMenu_GettingStarted, HelpMenu_Hands,
                              HelpMenu_Support, HelpMenu_OrrinSoft,      HelpMenu_AboutTND};
    const auto firstEffects = testing_support::splitAt(
        '|',
        "dialog Game Statistics|help welcome|dialog Keyboard|message Tandora: The Readme|message Getting|"
        "message Hands|message Tandora: The Technical|message Tandora: The store|dialog About");
    for (std::size_t i = 0; i < std::size(items); ++i) {
        const std::size_t mark = f.log.size();
        app.menuClick({items[i]});
        ASSERT_GT(f.log.size(), mark) << menuItemName(items[i]);
        EXPECT_EQ(f.log.lines()[mark].substr(0, firstEffects[i].size()), firstEffects[i]);
    }
}

} // namespace
} // namespace tandora
