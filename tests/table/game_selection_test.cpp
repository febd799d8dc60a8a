#include <gtest/gtest.h>

#include "table/game_selection.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;
using testing_support::lines;

class GameSelectionTest : public ::testing::Test {
protected:
    int checkedGames() const {
        int checked = 0;
        for (MenuItem item : {MenuItem::OptionsMenu_JacksOrBetter, MenuItem::OptionsMenu_JacksOrBetter96,
                              MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JokerPoker})
            checked += f.view.isMenuChecked({item}) ? 1 : 0;
        return checked;
    }

    FakePlatform f;
    GameState state;
    Counters counters{TableContext{f.platform, state}};
    GameSelection games{TableContext{f.platform, state}, counters};
};

struct SetGameRow {
    const char* name;
    const char* code;
    GameType game;
    int table;
    int left;
    Rect leftPlace;
    int right; // 0: hidden
    Rect rightPlace;
};

void PrintTo(const SetGameRow& row, std::ostream* os) {
    *os << row.code;
}

class SetGameLayout : public GameSelectionTest, public ::testing::WithParamInterface<SetGameRow> {};

// Guards each game's pictures and label places, whatever the letter case of the code.
TEST_P(SetGameLayout, PlacesThePayTableAndSideLabels) {
    const SetGameRow& r = GetParam();
    ASSERT_TRUE(games.SetGame(r.code));
    EXPECT_EQ(state.game(), r.game);
    EXPECT_EQ(f.view.picture({Control::GridLabel}), r.table);
    EXPECT_EQ(f.view.geometry({Control::GridLabel}), (Rect{54, 33, 431, 156}));
    EXPECT_EQ(f.view.picture({Control::LabelLeft}), r.left);
    EXPECT_EQ(f.view.geometry({Control::LabelLeft}), r.leftPlace);
    EXPECT_EQ(f.view.isVisible({Control::LabelRight}), r.right != 0);
    if (r.right != 0) {
        EXPECT_EQ(f.view.picture({Control::LabelRight}), r.right);
    }
    EXPECT_EQ(f.view.geometry({Control::LabelRight}), r.rightPlace);
    EXPECT_EQ(state.Hand[4], CardBackCode);
    EXPECT_FALSE(state.Held[4]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Games, SetGameLayout,
    ::testing::Values(
        SetGameRow{"JacksOrBetter85", "jb85", GameType::JacksOrBetter85, 8500, 2000, {161, 170, 220, 19}, 0, {1, 1, 1, 1}},
        SetGameRow{"JacksOrBetter96InCapitals", "JB96", GameType::JacksOrBetter96, 9600, 2000, {161, 170, 220, 19}, 0, {1, 1, 1, 1}},
        SetGameRow{"DeucesWildInMixedCase", "Dw", GameType::DeucesWild, 4000, 4006, {30, 115, 16, 120}, 4007, {488, 135, 24, 84}},
        SetGameRow{"JokerPokerInMixedCase", "jP", GameType::JokerPoker, 5000, 5006, {28, 115, 18, 103}, 5007, {492, 115, 18, 103}}),
    testing_support::RowName());
// clang-format on

// Guards the order of SetGame's steps as a whole: labels placed, highlights hidden, pictures, Cash Out,
// then the five card places each with the two counters.
TEST_F(GameSelectionTest, SetGameRunsItsStepsInOrder) {
    state.vPoints = 0;
    ASSERT_TRUE(games.SetGame("dw"));
    std::string expected =
        lines({"GridLabel at 54,33 431x156", "LabelLeft at 30,115 16x120", "LabelRight at 488,135 24x84",
               "imgDoubleUp hidden", "WinHighlight hidden", "CoinHighlight hidden", "GridLabel picture=4000",
               "GridLabel shown", "LabelLeft picture=4006", "LabelRight picture=4007", "LabelRight shown",
               "CashOut picture=6002", "CashOut disabled"});
    for (const char* i : {"1", "2", "3", "4", "5"}) {
        const std::string at = std::string("(") + i + ")";
        expected += lines({"HandPos" + at + " picture=100", "HandPos" + at + " disabled",
                           "Hold" + at + " picture=6102", "Paid(1) picture=1000", "Paid(2) picture=1000",
                           "Paid(3) picture=1000", "Paid(4) picture=1000", "Coins picture=1000"});
    }
    EXPECT_EQ(f.log.textFrom(0), expected);
}

// Guards the codes and screen units SetGame refuses, which change nothing: an unknown code, and a
// twips-per-pixel above 100 on either axis.
TEST_F(GameSelectionTest, SetGameRefusesUnknownCodesAndHugeScreenUnits) {
    for (const char* bad : {"", "jb", "jb97", "deuces", "jp "})
        EXPECT_FALSE(games.SetGame(bad)) << bad;
    EXPECT_TRUE(f.log.lines().empty());
    state.TwipsPerPixelY = 101;
    EXPECT_FALSE(games.SetGame("dw"));
    state.TwipsPerPixelY = 100;
    state.TwipsPerPixelX = 101;
    EXPECT_FALSE(games.SetGame("dw"));
    EXPECT_TRUE(f.log.lines().empty());
    EXPECT_EQ(state.game(), GameType::JacksOrBetter85);
    state.TwipsPerPixelX = 100;
    EXPECT_TRUE(games.SetGame("dw"));
}

// Guards that credits, bet and win survive a change, and that Cash Out follows the credits both ways.
TEST_F(GameSelectionTest, SetGameKeepsCreditsAndOffersCashOutOnlyWithCredits) {
    state.vPoints = 35;
    state.PaidAmount = 12;
    ASSERT_TRUE(games.SetGame("dw"));
    EXPECT_EQ(state.vPoints, 35);
    EXPECT_EQ(state.PaidAmount, 12);
    EXPECT_TRUE(f.view.isEnabled({Control::CashOut}));
    EXPECT_EQ(f.view.picture({Control::CashOut}), 6003);
    EXPECT_EQ(f.view.picture({Control::Paid, 4}), 1000);
    EXPECT_EQ(f.view.picture({Control::Coins}), 1000);

    state.vPoints = 0;
    games.OptionsMenu_JokerPoker_Click();
    EXPECT_FALSE(f.view.isEnabled({Control::CashOut})) << "no credits, nothing to cash out";
    EXPECT_EQ(f.view.picture({Control::CashOut}), 6002);
}

// Guards the menu commands: one check mark, the wild cards of the new game, the changed flag, GameOver
// hidden, and deuces with their plain pictures again after Deuces Wild.
TEST_F(GameSelectionTest, MenuCommandsSwitchGames) {
    f.view.setVisible({Control::GameOver}, true);
    games.OptionsMenu_DeucesWild_Click();
    EXPECT_EQ(state.game(), GameType::DeucesWild);
    EXPECT_TRUE(state.flags().DeucesWildGame);
    EXPECT_EQ(state.cardPictureOf(15), 315);
    EXPECT_TRUE(state.bChange);
    EXPECT_FALSE(f.view.isVisible({Control::GameOver}));
    EXPECT_TRUE(f.view.isMenuChecked({MenuItem::OptionsMenu_DeucesWild}));
    EXPECT_EQ(checkedGames(), 1);

    games.OptionsMenu_JokerPoker_Click();
    EXPECT_FALSE(state.flags().DeucesWildGame);
    EXPECT_TRUE(state.flags().JokerPokerGame);
    EXPECT_EQ(state.cardPictureOf(15), 115);
    EXPECT_EQ(f.view.picture({Control::GridLabel}), 5000);
    EXPECT_TRUE(f.view.isMenuChecked({MenuItem::OptionsMenu_JokerPoker}));
    EXPECT_EQ(checkedGames(), 1);
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
    EXPECT_EQ(state.game(), GameType::JacksOrBetter85);
    EXPECT_FALSE(f.view.isMenuChecked({MenuItem::OptionsMenu_DeucesWild}));
    EXPECT_FALSE(state.bChange);
}

} // namespace
} // namespace tandora
