#include <gtest/gtest.h>

#include <tuple>

#include "table/game_selection.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

// Guards the codes SetGame takes in any letter case, and the codes and screen units it refuses, which
// change nothing: an unknown code, and a twips-per-pixel above 100 on either axis; nor does the menu's
// game already in play. (The table a new game lays, and the refusal while a hand is under way, are the
// session's.)
TEST(GameSelection, SetGameTakesTheFourCodesInAnyCase) {
    FakePlatform f;
    GameState state;
    GameSelection games{TableContext{f.platform, state}};
    games.OptionsMenu_JacksOrBetter_Click();
    for (const char* bad : {"", "jb97", "jp "})
        EXPECT_FALSE(games.SetGame(bad)) << bad;
    state.TwipsPerPixelX = 101;
    EXPECT_FALSE(games.SetGame("dw"));
    EXPECT_EQ(std::tuple(f.view.scenes(), state.bChange), std::tuple(0, false));
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

} // namespace
} // namespace tandora
