#include <gtest/gtest.h>

#include "table/game_selection.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

class GameSelectionTest : public ::testing::Test {
protected:
    GameSelectionTest() {
        f.view.setMenuChecked({MenuItem::OptionsMenu_JacksOrBetter}, true);
        f.log.clear();
    }

    FakePlatform f;
    GameState state;
    Counters counters{TableContext{f.platform, state}};
    GameSelection games{TableContext{f.platform, state}, counters};
};

struct SetGameRow {
    const char* code;
    int table;
    int left;
    Rect leftPlace;
    int right; // 0: hidden
    Rect rightPlace;
    std::int16_t fullHouse;
    std::int16_t slot1;
};

// Guards each game's pictures, label places and pay table, whatever the letter case of the code.
TEST_F(GameSelectionTest, SetGameLaysOutEveryGame) {
    const SetGameRow rows[] = {
        {"jb85", 8500, 2000, {161, 170, 220, 19}, 0, {1, 1, 1, 1}, 8, 0},
        {"JB96", 9600, 2000, {161, 170, 220, 19}, 0, {1, 1, 1, 1}, 9, 0},
        {"Dw", 4000, 4006, {30, 115, 16, 120}, 4007, {488, 135, 24, 84}, 3, 200},
        {"jP", 5000, 5006, {28, 115, 18, 103}, 5007, {492, 115, 18, 103}, 7, 0},
    };
    for (const SetGameRow& r : rows) {
        SCOPED_TRACE(r.code);
        state.vPoints = 0;
        ASSERT_TRUE(games.SetGame(r.code));
        EXPECT_EQ(f.view.picture({Control::GridLabel}), r.table);
        EXPECT_EQ(f.view.geometry({Control::GridLabel}), (Rect{54, 33, 431, 156}));
        EXPECT_EQ(f.view.picture({Control::LabelLeft}), r.left);
        EXPECT_EQ(f.view.geometry({Control::LabelLeft}), r.leftPlace);
        EXPECT_EQ(f.view.isVisible({Control::LabelRight}), r.right != 0);
        if (r.right != 0) {
            EXPECT_EQ(f.view.picture({Control::LabelRight}), r.right);
        }
        EXPECT_EQ(f.view.geometry({Control::LabelRight}), r.rightPlace);
        EXPECT_EQ(state.PayTable[7], r.fullHouse);
        EXPECT_EQ(state.PayTable[1], r.slot1);
        for (Control hidden : {Control::imgDoubleUp, Control::WinHighlight, Control::CoinHighlight})
            EXPECT_FALSE(f.view.isVisible({hidden}));
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(f.view.picture({Control::HandPos, i}), state.DeckPictureBase);
            EXPECT_FALSE(f.view.isEnabled({Control::HandPos, i}));
            EXPECT_EQ(f.view.picture({Control::Hold, i}), 6102);
            EXPECT_EQ(state.Hand[static_cast<std::size_t>(i - 1)], CardBackCode);
            EXPECT_FALSE(state.Held[static_cast<std::size_t>(i - 1)]);
        }
    }
}

// Guards the codes SetGame refuses and the screen-unit check, which change nothing.
TEST_F(GameSelectionTest, SetGameRefusesUnknownCodes) {
    for (const char* bad : {"", "jb", "jb97", "deuces", "jp "})
        EXPECT_FALSE(games.SetGame(bad)) << bad;
    EXPECT_TRUE(f.log.lines().empty());
    state.TwipsPerPixelX = 101;
    EXPECT_FALSE(games.SetGame("jb85"));
}

// Guards that credits, bet and win survive a change, and that Cash Out follows the credits.
TEST_F(GameSelectionTest, SetGameKeepsCreditsAndOffersCashOut) {
    state.vPoints = 35;
    state.CoinsBet = 0;
    state.PaidAmount = 12;
    ASSERT_TRUE(games.SetGame("dw"));
    EXPECT_EQ(state.vPoints, 35);
    EXPECT_EQ(state.PaidAmount, 12);
    EXPECT_TRUE(f.view.isEnabled({Control::CashOut}));
    EXPECT_EQ(f.view.picture({Control::CashOut}), 6003);
    EXPECT_EQ(f.view.picture({Control::Paid, 4}), 1000);
    EXPECT_EQ(f.view.picture({Control::Coins}), 1000);
}

// Guards the menu commands: one check mark, the wild flags, the changed flag, GameOver hidden.
TEST_F(GameSelectionTest, MenuCommandsSwitchGames) {
    f.view.setVisible({Control::GameOver}, true);
    games.OptionsMenu_DeucesWild_Click();
    EXPECT_TRUE(state.DeucesWildGame);
    EXPECT_EQ(state.WildDeucePictureOffset, 200);
    EXPECT_TRUE(state.bChange);
    EXPECT_FALSE(f.view.isVisible({Control::GameOver}));
    EXPECT_EQ(checkedGame(f.view), GameType::DeucesWild);

    games.OptionsMenu_JokerPoker_Click();
    EXPECT_FALSE(state.DeucesWildGame);
    EXPECT_TRUE(state.JokerPokerGame);
    EXPECT_EQ(state.WildDeucePictureOffset, 0) << "deuces show their plain pictures again";
    EXPECT_EQ(f.view.picture({Control::GridLabel}), 5000);
    int checked = 0;
    for (MenuItem item : {MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_JacksOrBetter96,
                          MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JokerPoker})
        checked += f.view.isMenuChecked({item}) ? 1 : 0;
    EXPECT_EQ(checked, 1);

    games.OptionsMenu_JacksOrBetter96_Click();
    EXPECT_FALSE(state.JokerPokerGame);
    EXPECT_EQ(state.PayTable[8], 6);
}

// Guards the two cases that must change nothing at all: the game already in play, and an open hand.
TEST_F(GameSelectionTest, MenuCommandsRefuseDuringAHandAndIgnoreTheSameGame) {
    games.OptionsMenu_JacksOrBetter_Click();
    EXPECT_FALSE(state.bChange);
    EXPECT_TRUE(f.log.lines().empty());

    state.HandState = HandStates::Dealt;
    games.OptionsMenu_DeucesWild_Click();
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{"Options|64|Please finish the current hand before changing games."}));
    EXPECT_EQ(checkedGame(f.view), GameType::JacksOrBetter85);
    EXPECT_FALSE(state.DeucesWildGame);
    EXPECT_FALSE(state.bChange);
}

} // namespace
} // namespace tandora
