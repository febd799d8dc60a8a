#include "table/game_selection.h"

namespace tandora {

bool GameSelection::SetGame(std::string_view TheGame) {
    GameState& s = ctx_.state;
    if (s.TwipsPerPixelX > 100 || s.TwipsPerPixelY > 100)
        return false;
    const auto game = parseGameType(TheGame);
    if (!game)
        return false;
    layTable(*game);
    ctx_.showAndRepaint();
    return true;
}

void GameSelection::layTable(GameType game) {
    GameState& s = ctx_.state;
    s.setGame(game);
    // A new game's table: its pay table, no marks of the last hand, the cards face down, nothing on PAID
    // and COINS. The credits stay.
    s.WinStrip = HandCategory::NoWin;
    s.CoinColumn = 0;
    s.DoubleUpPick = 0;
    s.HoldHints.reset();
    s.Hand = {CardBackCode, CardBackCode, CardBackCode, CardBackCode, CardBackCode};
    s.Held = {};
    s.PaidAmount = 0;
    s.LastCoinsBet = 0;
}

void GameSelection::chooseGame(GameType game) {
    GameState& s = ctx_.state;
    // Coins already bet belong to the hand about to be dealt, so they count as a hand under way.
    if (s.HandState != HandStates::BetweenHands || s.CoinsBet > 0) {
        ctx_.messageBox("Please finish the current hand before changing games.", MsgStyle::Information,
                        "Options");
        return;
    }
    // The menu's items are the designed tables, so one also takes a game back from a table of the player's.
    if (s.game() == game && !s.chosenTable())
        return;
    s.options.payTables[static_cast<std::size_t>(game)].reset();
    s.bChange = true;
    if (!SetGame(gameCode(game))) {
        ctx_.messageBox("Fatal Error: Probably invalid Game Type", MsgStyle::Critical, AppTitle);
        if (onFatal_)
            onFatal_();
        return;
    }
    s.GameOverShown = false;
    ctx_.show();
}

} // namespace tandora
