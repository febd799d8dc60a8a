#pragma once

#include "table/counters.h"
#include "table/hand_cycle.h"
#include "table/table_context.h"

namespace tandora {

// Bet 1 and Max Bet: coins from the credits onto the hand, the pay table's column lit, and the deal
// started by itself on the fifth coin, the last credit or Max Bet.
class Betting {
public:
    Betting(TableContext context, Counters& counters, HandCycle& hands)
        : ctx_(context), counters_(counters), hands_(hands) {}

    void Bet1_Click();
    void MaxBet_Click();
    // Only the left button without Shift, Ctrl or Alt presses a button.
    void Bet1_MouseDown(int button, int shift) {
        pressed(Control::Bet1, Bet1Pictures.pressed, button, shift);
    }
    void Bet1_MouseUp(int button, int shift) { pressed(Control::Bet1, Bet1Pictures.enabled, button, shift); }
    void MaxBet_MouseDown(int button, int shift) {
        pressed(Control::MaxBet, MaxBetPictures.pressed, button, shift);
    }
    void MaxBet_MouseUp(int button, int shift) {
        pressed(Control::MaxBet, MaxBetPictures.enabled, button, shift);
    }

private:
    void pressed(Control button, int picture, int mouseButton, int shift);
    void showCoinColumn(int coins);

    TableContext ctx_;
    Counters& counters_;
    HandCycle& hands_;
};

} // namespace tandora
