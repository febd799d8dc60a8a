#include "advisor/pay_table_menu.h"

#include "advisor/pay_table_dialog.h"
#include "engine/known_pay_tables.h"

namespace tandora {

void PayTableMenu::OptionsMenu_PayTable_Click() {
    GameState& s = ctx_.state;
    // As with a change of game: the coins of a hand under way were bet on the table in play.
    if (s.HandState != HandStates::BetweenHands || s.CoinsBet > 0 || s.DoubleUpPending) {
        ctx_.messageBox("Please finish the current hand before changing the pay table.",
                        MsgStyle::Information, "Options");
        return;
    }
    PayTableDialog dialog(s.game(), s.rules().PayTable, advisor_.coinsInUse());
    ctx_.platform.dialogs.showModal(dialog);
    const auto chosen = dialog.chosen();
    if (!chosen || *chosen == s.rules().PayTable)
        return;
    // The designed 8/5 and 9/6 tables are their own games, as in the Options menu.
    const GameType game = gameForTable(s.game(), *chosen);
    s.choosePayTable(game, *chosen);
    s.bChange = true;
    games_.layTable(game);
    s.GameOverShown = false;
    ctx_.show();
    advisor_.prepare();
}

} // namespace tandora
