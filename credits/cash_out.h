#pragma once

#include "credits/credit_bank.h"
#include "table/counters.h"
#include "table/table_context.h"

namespace tandora {

// Every game credit into the bank, with a receipt.
class CashOut {
public:
    CashOut(TableContext context, Counters& counters, CreditBank& bank)
        : ctx_(context), counters_(counters), bank_(bank) {}

    void CashOut_Click();
    void CashOut_MouseDown(int button, int shift);
    void CashOut_MouseUp(int button, int shift);

private:
    TableContext ctx_;
    Counters& counters_;
    CreditBank& bank_;
};

} // namespace tandora
