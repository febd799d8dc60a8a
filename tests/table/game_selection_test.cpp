#include <gtest/gtest.h>

#include <tuple>

#include "table/game_selection.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

class GameSelectionTest : public ::testing::Test {
protected:
    FakePlatform f;
    GameState state;
    GameSelection games{TableContext{f.platform, state}};
};

// Guards the codes SetGame takes in any letter case, and the codes and screen units it refuses, which
// change nothing: an unknown code, and a twips-per-pixel above 100 on either axis.
TEST_F(GameSelectionTest, SetGameTakesTheFourCodesInAnyCase) {
    for (const char* bad : {"", "jb97", "jp "})
        EXPECT_FALSE(games.SetGame(bad)) << bad;
    state.TwipsPerPixelX = 101;
    EXPECT_FALSE(games.SetGame("dw"));
    EXPECT_EQ(f.view.scenes(), 0);
    state.TwipsPerPixelX = 100;
    const std::pair<const char*, GameType> codes[] = {{"JB96", GameType::JacksOrBetter96},
                                                      {"Dw", GameType::DeucesWild},
                                                      {"jP", GameType::JokerPoker},
                                                      {"jb85", GameType::JacksOrBetter85}};
    for (const auto& [code, game] : codes) {
        EXPECT_TRUE(games.SetGame(code));
        EXPECT_EQ(f.view.scene().game, game);
    }
}

// Guards a new game's table: the credits stay, everything of the last hand goes (cards face down, holds,
// PAID, COINS, the strip and the column), and Cash Out follows the credits both ways.
TEST_F(GameSelectionTest, SetGameClearsTheTableButKeepsTheCredits) {
    state.vPoints = 35;
    state.PaidAmount = 12;
    state.LastCoinsBet = 3;
    state.CoinColumn = 3;
    state.WinStrip = HandCategory::Flush;
    state.Hand = {1, 2, 3, 4, 5};
    state.Held = {true, false, true, false, false};
    ASSERT_TRUE(games.SetGame("dw"));
    const TableScene& t = f.view.scene();
    EXPECT_EQ(std::tie(t.credits, t.paid, t.coins, t.coinColumn, t.winStrip),
              std::make_tuple(35, 0, 0, 0, HandCategory::NoWin));
    EXPECT_EQ(t.cards, TableScene{}.cards) << "face down";
    EXPECT_EQ(t.labels, TableScene{}.labels);
    EXPECT_TRUE(t.cashOutEnabled);
    state.vPoints = 0;
    games.OptionsMenu_JokerPoker_Click();
    EXPECT_FALSE(f.view.scene().cashOutEnabled) << "no credits, nothing to cash out";
}

// Guards the menu commands: the game's rules switch with it, the game counts as changed and GAME OVER goes;
// the game already in play and an open hand change nothing at all.
TEST_F(GameSelectionTest, MenuCommandsSwitchGamesOnlyBetweenHands) {
    games.OptionsMenu_JacksOrBetter_Click();
    EXPECT_FALSE(state.bChange);
    EXPECT_EQ(f.view.scenes(), 0);
    state.GameOverShown = true;
    games.OptionsMenu_DeucesWild_Click();
    EXPECT_TRUE(state.flags().DeucesWildGame);
    EXPECT_TRUE(state.bChange);
    EXPECT_FALSE(f.view.scene().gameOver);
    games.OptionsMenu_JokerPoker_Click();
    EXPECT_FALSE(state.flags().DeucesWildGame);
    EXPECT_TRUE(state.flags().JokerPokerGame);

    state.bChange = false;
    state.HandState = HandStates::Dealt;
    games.OptionsMenu_DeucesWild_Click();
    EXPECT_EQ(f.messages.shown().size(), 1u);
    EXPECT_EQ(state.game(), GameType::JokerPoker);
    EXPECT_FALSE(state.bChange);
}

} // namespace
} // namespace tandora
