#pragma once

#include "table/hand_cycle.h"
#include "table/table_context.h"

namespace tandora {

// Bet 1 and Max Bet: coins from the credits onto the hand, the pay table's column lit, and the deal
// started by itself on the fifth coin, the last credit or Max Bet.
class Betting {
public:
    Betting(TableContext context, HandCycle& hands) : ctx_(context), hands_(hands) {}

    void Bet1_Click();
    void MaxBet_Click();
    void Bet1_MouseDown(int button, int shift) { ctx_.press(Button::Bet1, button, shift, true); }
    void Bet1_MouseUp(int button, int shift) { ctx_.press(Button::Bet1, button, shift, false); }
    void MaxBet_MouseDown(int button, int shift) { ctx_.press(Button::MaxBet, button, shift, true); }
    void MaxBet_MouseUp(int button, int shift) { ctx_.press(Button::MaxBet, button, shift, false); }

private:
    bool creditsFull();
    void showBet(int column);

    TableContext ctx_;
    HandCycle& hands_;
};

} // namespace tandora
