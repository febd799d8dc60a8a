#pragma once

#include "credits/credit_bank.h"
#include "table/table_context.h"

namespace tandora {

// Every game credit into the bank, with a receipt.
class CashOut {
public:
    CashOut(TableContext context, CreditBank& bank) : ctx_(context), bank_(bank) {}

    void CashOut_Click();
    void CashOut_MouseDown(int button, int shift) { ctx_.press(Button::CashOut, button, shift, true); }
    void CashOut_MouseUp(int button, int shift) { ctx_.press(Button::CashOut, button, shift, false); }

private:
    TableContext ctx_;
    CreditBank& bank_;
};

} // namespace tandora
