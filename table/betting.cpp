#include "table/betting.h"

#include "platform/table_layout.h"

namespace tandora {

void Betting::pressed(Control button, int picture, int mouseButton, int shift) {
    if (mouseButton == 1 && shift == 0)
        ctx_.view().setPicture({button}, picture);
    ctx_.view().repaint();
}

void Betting::showCoinColumn(int coins) {
    TableView& view = ctx_.view();
    const GameState& s = ctx_.state;
    view.setGeometry({Control::CoinHighlight}, Layout::coinHighlightPlace(s.game(), coins));
    view.setPicture({Control::CoinHighlight}, payTableArtFor(s.game()).tablePicture + coins);
    view.setVisible({Control::CoinHighlight}, true);
    view.repaint();
}

void Betting::Bet1_Click() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    s.bChange = true;
    if (s.CoinsBet < MaxCoins && s.vPoints > 0) {
        ++s.CoinsBet;
        --s.vPoints;
        counters_.UpdateNumbers("Credits", s.vPoints);
    }
    // With nothing bet and nothing left to bet there is no column to light and no hand to deal.
    if (s.CoinsBet == 0)
        return;
    counters_.UpdateNumbers("Coins", s.CoinsBet);
    counters_.UpdateNumbers("Paid", 0);
    view.setVisible({Control::WinHighlight}, false);
    showCoinColumn(s.CoinsBet);
    ctx_.setButton(Control::Deal, DealPictures, true);
    view.repaint();
    ctx_.setButton(Control::CashOut, CashOutPictures, false);
    view.repaint();
    view.setVisible({Control::GameOver}, false);
    if (s.CoinsBet == MaxCoins || s.vPoints == 0)
        hands_.Deal_Click();
}

void Betting::MaxBet_Click() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
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
        counters_.UpdateNumbers("Coins", s.CoinsBet);
        counters_.UpdateNumbers("Credits", s.vPoints);
        counters_.UpdateNumbers("Paid", 0);
        view.setVisible({Control::WinHighlight}, false);
        // The five-coin column, even when fewer coins could be bet.
        showCoinColumn(MaxCoins);
    }
    ctx_.setButton(Control::CashOut, CashOutPictures, false);
    view.repaint();
    view.setVisible({Control::GameOver}, false);
    hands_.Deal_Click();
}

} // namespace tandora
