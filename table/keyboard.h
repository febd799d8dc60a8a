#pragma once

#include <functional>

#include "table/betting.h"
#include "table/double_up.h"
#include "table/hand_cycle.h"
#include "table/table_context.h"

namespace tandora {

// Every play action has a character key, acting only while the control a click would need is enabled.
class Keyboard {
public:
    struct CreditActions {
        std::function<void()> CashOut_Click;
        std::function<void()> CashIn_Click;
    };

    Keyboard(TableContext context, HandCycle& hands, Betting& betting, DoubleUp& doubleUp,
             CreditActions credits)
        : ctx_(context), hands_(hands), betting_(betting), doubleUp_(doubleUp), credits_(std::move(credits)) {
    }

    // KeyAscii is the typed character's code. The tests run in a fixed order, each on the state as it is
    // when it runs, so a key that starts an action is still compared with the later ones.
    void Form_KeyPress(int KeyAscii);

private:
    // Asked afresh before every test: an earlier key's action may have changed the table.
    TableScene table() const { return deriveTable(ctx_.state); }

    TableContext ctx_;
    HandCycle& hands_;
    Betting& betting_;
    DoubleUp& doubleUp_;
    CreditActions credits_;
};

} // namespace tandora
