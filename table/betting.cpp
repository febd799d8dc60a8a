#include "table/betting.h"

#include "table/value_text.h"

namespace tandora {

// The CREDITS counter shows at most MaxShownCredits, so a hand that could win past it is not dealt.
bool Betting::creditsFull() {
    const GameState& s = ctx_.state;
    if (s.CoinsBet > 0 || s.vPoints + s.largestWinInPlay() <= MaxShownCredits)
        return false;
    ctx_.messageBox("The game holds at most " + groupedNumber(MaxShownCredits) +
                        " credits. Please cash out before you play on.",
                    MsgStyle::Exclamation, "Credit Bank");
    return true;
}

// The bet's coins on COINS, PAID cleared, the column lit and the last hand's marks gone.
void Betting::showBet(int column) {
    GameState& s = ctx_.state;
    s.PaidAmount = 0;
    s.WinStrip = HandCategory::NoWin;
    s.CoinColumn = column;
    s.GameOverShown = false;
    ctx_.showAndRepaint();
}

void Betting::Bet1_Click() {
    GameState& s = ctx_.state;
    if (creditsFull())
        return;
    s.bChange = true;
    if (s.CoinsBet < MaxCoins && s.vPoints > 0) {
        ++s.CoinsBet;
        --s.vPoints;
    }
    // With nothing bet and nothing left to bet there is no column to light and no hand to deal.
    if (s.CoinsBet == 0)
        return;
    showBet(s.CoinsBet);
    if (s.CoinsBet == MaxCoins || s.vPoints == 0)
        hands_.Deal_Click();
}

void Betting::MaxBet_Click() {
    GameState& s = ctx_.state;
    if (creditsFull())
        return;
    if (s.CoinsBet < MaxCoins) {
        if (s.vPoints + s.CoinsBet > MaxCoins - 1) {
            s.vPoints -= MaxCoins - s.CoinsBet;
            s.CoinsBet = MaxCoins;
        } else {
            s.CoinsBet = static_cast<std::int16_t>(s.vPoints + s.CoinsBet);
            s.vPoints = 0;
        }
        if (s.CoinsBet == 0)
            return; // no credits and no coins: nothing to play
        // The five-coin column, even when fewer coins could be bet.
        showBet(MaxCoins);
    }
    hands_.Deal_Click();
}

} // namespace tandora
