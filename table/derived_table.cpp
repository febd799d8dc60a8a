#include "table/derived_table.h"

#include "engine/known_pay_tables.h"
#include "platform/file_paths.h"

namespace tandora {

TableScene deriveTable(const GameState& s) {
    TableScene t;
    t.caption = std::string(AppTitle) + " - " + s.GameTitle;
    // A table other than the game's designed one is named, so the player knows what pays.
    if (s.chosenTable())
        t.caption += " - " + payTableName(s.game(), s.rules().PayTable);
    t.game = s.game();
    t.payTable = s.chosenTable();
    t.deck = s.options.deck;

    const bool pending = s.DoubleUpPending;
    const bool asking = pending && s.DoubleUpOffered;
    const bool picking = pending && !s.DoubleUpOffered;
    const bool dealt = s.HandState == HandStates::Dealt && !pending;
    const bool between = s.HandState == HandStates::BetweenHands && !pending;
    const bool picked = s.DoubleUpPick != 0;
    for (std::size_t i = 0; i < HandSize; ++i) {
        const bool dealerCard = i == 0;
        // While the player picks, the four cards to pick from lie face down until the pick.
        t.cards[i] = picking && !dealerCard && !picked ? CardBackCode : s.Hand[i];
        HoldLabel label = s.Held[i] ? HoldLabel::Held : HoldLabel::Empty;
        if (picking)
            label = dealerCard ? HoldLabel::Dealer : HoldLabel::Pick;
        else if (!pending && picked)
            label = dealerCard
                        ? HoldLabel::Dealer
                        : (static_cast<int>(i) + 1 == s.DoubleUpPick ? HoldLabel::Pick : HoldLabel::Empty);
        else if (dealt && !s.Held[i] && s.options.ShowBestHold && s.HoldHints)
            label = *s.HoldHints == 0               ? HoldLabel::DrawHint
                    : (*s.HoldHints >> i & 1U) != 0 ? HoldLabel::Hint
                                                    : HoldLabel::Empty;
        t.labels[i] = label;
        t.positionsEnabled[i] = dealt || (picking && !dealerCard && !picked);
    }

    t.dealFace = dealt ? DealFace::Draw : DealFace::Deal;
    t.dealEnabled = dealt || (between && s.CoinsBet > 0);
    t.bet1Enabled = between && s.vPoints > 0;
    t.maxBetEnabled = t.bet1Enabled;
    t.cashOutEnabled = between && s.CoinsBet == 0 && s.vPoints > 0;
    t.cashInEnabled = true;

    t.credits = s.vPoints;
    t.paid = s.PaidAmount;
    t.coins = s.CoinsBet > 0 ? s.CoinsBet : s.LastCoinsBet;
    t.winStrip = s.WinStrip;
    t.coinColumn = s.CoinColumn;
    t.gameOver = s.GameOverShown;
    t.addCreditsHint = between && s.vPoints == 0 && s.CoinsBet == 0;
    t.doubleUp = !pending ? DoubleUpPanel::None : (asking ? DoubleUpPanel::Question : DoubleUpPanel::Pick);
    t.doubleUpLocksMenus = pending;

    const GameOptions& o = s.options;
    t.marks = {.doubleUp = o.DoubleUpOn,
               .soundEffects = o.SoundEffects,
               .loadLastGame = o.LoadLastGame,
               .showBestHold = o.ShowBestHold,
               .trainer = o.Trainer};
    for (std::size_t i = 0; i < t.recentFiles.size(); ++i) {
        if (isRecentFile(s.RecentPaths[i]))
            t.recentFiles[i] = recentCaption(static_cast<int>(i) + 1, s.RecentPaths[i], s.RecentTitles[i]);
    }
    return t;
}

} // namespace tandora
